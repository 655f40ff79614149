// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's size and speed: node web_load.mjs CHROMIUM SITE-FOLDER [LOADS]
//
// Size: each file of the site, as is and gzip -9, and what a first visit
// fetches before its first lines show.  Speed: the time from navigation to
// the three opening lines in the transcript, against a floor page (the same
// page with those lines written into its HTML and no script), each load in a
// new browser context (empty cache, no service worker), the two pages
// interleaved, under Chromium's "Slow 4G" (DevTools' preset as Puppeteer
// names it: 562.5 ms latency, 1.44 Mbit/s down), under the plain 150 ms and
// 1.6 Mbit/s, and unthrottled.  Then Lighthouse's scores for both pages.

import { readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromiumArgs, serve } from '../scripts/serve.mjs';

const [executablePath, site, loadsArgument = '21'] = process.argv.slice(2);
const loads = Number(loadsArgument);
// The npm packages are the web tests'.
const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const { default: puppeteer, PredefinedNetworkConditions } = await import(require.resolve('puppeteer-core'));
const { default: lighthouse } = await import(require.resolve('lighthouse'));

const gzipped = (bytes) => gzipSync(bytes, { level: 9 }).length;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];

// ---------------------------------------------------------------------------
// Size.

const files = readdirSync(site).sort();
let raw = 0;
let compressed = 0;
console.log('file                   bytes   gzip -9');
for (const file of files) {
  const bytes = readFileSync(join(site, file));
  raw += bytes.length;
  compressed += gzipped(bytes);
  console.log(`${file.padEnd(20)} ${String(bytes.length).padStart(7)} ${String(gzipped(bytes)).padStart(9)}`);
}
console.log(`whole site: ${kb(raw)}, ${kb(compressed)} compressed`);

// ---------------------------------------------------------------------------
// The floor page: the page as it stands once its script has run, without it.

const page = readFileSync(join(site, 'index.html'), 'utf8');
// In Korean, whatever the machine's locale: the page's own language.
const browser = await puppeteer.launch({
  executablePath,
  headless: true,
  args: [...chromiumArgs, '--lang=ko-KR', '--accept-lang=ko-KR'],
});
const plain = await serve(site);
const shown = await browser.newPage();
await shown.goto(plain.url);
await shown.waitForFunction(() => document.getElementById('Memo1').value.split('\n').length >= 3);
const state = await shown.evaluate(() => ({
  lines: document.getElementById('Memo1').value,
  date: document.getElementById('L1').textContent,
  year: document.getElementById('Edit1').value,
}));
await shown.close();
await plain.close();
const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
const floor = page
  .replace(/<script>[^]*<\/script>/, '')
  .replace(/script-src [^;]*; /, '')
  .replace(/(<textarea[^>]*>)[^<]*/, (match, open) => open + escape(state.lines))
  .replace('<p id="L1">L1</p>', `<p id="L1">${escape(state.date)}</p>`)
  .replace('value="Edit1"', `value="${escape(state.year)}"`);
const server = await serve(site, { pages: { '/floor.html': Buffer.from(floor) } });

// ---------------------------------------------------------------------------
// Speed.

// One load in a new context: the milliseconds from navigation to the
// opening lines, as the frame that first has them sees it, and the paths
// fetched by then.
const load = async (path, conditions, metrics = false) => {
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  if (conditions) await tab.emulateNetworkConditions(conditions);
  await tab.evaluateOnNewDocument(() => {
    const tick = () => {
      const memo = document.getElementById('Memo1');
      if (memo && memo.value.split('\n').length >= 3) window.shownAt = performance.now();
      else requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
  });
  const fetched = [];
  tab.on('request', (request) => fetched.push(new URL(request.url()).pathname));
  await tab.goto(server.url + path.slice(1));
  await tab.waitForFunction(() => window.shownAt !== undefined, { timeout: 60000 });
  const at = await tab.evaluate(() => window.shownAt);
  const before = [...fetched];
  const script = metrics ? (await tab.metrics()).ScriptDuration * 1000 : undefined;
  await context.close();
  return { at, fetched: before, script };
};

const first = await load('/', PredefinedNetworkConditions['Slow 4G']);
const fetchedFiles = [...new Set(first.fetched)].map((path) => (path === '/' ? 'index.html' : path.slice(1)));
const fetchedSize = fetchedFiles.reduce((sum, file) => sum + gzipped(readFileSync(join(site, file))), 0);
console.log(`fetched to show the window: ${fetchedFiles.join(', ')}: ${kb(fetchedSize)} compressed`);

// Script time, as Chromium counts it: all of the page's, the date's formatting
// after the first lines included, when the page has its lines.
const script = [];
for (let i = 0; i < 9; ++i) script.push((await load('/', null, true)).script);
console.log(`script: ${median(script).toFixed(1)} ms (Chromium's ScriptDuration, median of 9 loads)`);

const conditionsList = [
  ['Slow 4G (562.5 ms, 1.44 Mbit/s)', PredefinedNetworkConditions['Slow 4G']],
  ['150 ms, 1.6 Mbit/s', { download: 1.6e6 / 8, upload: 750e3 / 8, latency: 150 }],
  ['unthrottled', null],
];
for (const [name, conditions] of conditionsList) {
  const times = { '/': [], '/floor.html': [] };
  for (let i = 0; i < loads; ++i) {
    const order = i % 2 ? ['/floor.html', '/'] : ['/', '/floor.html'];
    for (const path of order) times[path].push((await load(path, conditions)).at);
  }
  const pageMs = median(times['/']);
  const floorMs = median(times['/floor.html']);
  console.log(
    `${name}: page ${pageMs.toFixed(1)} ms, floor ${floorMs.toFixed(1)} ms, ratio ${(pageMs / floorMs).toFixed(2)} (medians of ${loads} interleaved loads)`,
  );
}

// ---------------------------------------------------------------------------
// Lighthouse, with its default mobile settings, each page in a new context:
// the floor page's scores tell what the machine itself costs.

for (const path of ['/', '/floor.html']) {
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  const { lhr } = await lighthouse(
    server.url + path.slice(1),
    { logLevel: 'error', onlyCategories: ['performance', 'accessibility', 'best-practices'] },
    undefined,
    tab,
  );
  const scores = Object.values(lhr.categories).map(({ id, score }) => `${id} ${Math.round(score * 100)}`);
  console.log(
    `Lighthouse ${lhr.lighthouseVersion}, ${path === '/' ? 'page' : 'floor page'}: ${scores.join(', ')}`,
  );
  for (const { auditRefs } of Object.values(lhr.categories)) {
    for (const { id, weight } of auditRefs) {
      const audit = lhr.audits[id];
      if (weight > 0 && audit.score !== null && audit.score < 1)
        console.log(`  ${id}: ${audit.score} ${audit.displayValue ?? ''}`);
    }
  }
  await context.close();
}
await server.close();
await browser.close();
