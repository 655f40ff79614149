// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page in a real browser, as a person uses the window: node
// browser_test.mjs BROWSER SITE-FOLDER LANGUAGE CASES [SCREENSHOT-FOLDER [PAGE.html CALCULATOR.wasm]]
//
// BROWSER is the path of Debian's chromium or firefox-esr, driven headless by
// puppeteer-core (through WebDriver BiDi for Firefox), or of WebKitGTK's
// WebKitWebDriver, which drives its MiniBrowser (webdriver.mjs) on the X
// display of the environment.  The browser takes its language from the
// environment's locale, as a person's does; LANGUAGE, ko or en, is the one
// it is expected to show the date in.  CASES is `all`, `opening` for the
// opening alone, or `update`, new releases under the habits of real hosts,
// with the page and calculator the site was made of.  The site is served from 127.0.0.1.  A page error, a
// console error (a blocked resource among them), a failed request, a
// response of 400 and above or a failure in the page's own dialog fails the
// test.  The expected lines come from the cycle's worked examples and from an
// oracle that shares nothing with the calculator (count from AD 4, which was
// 갑자).

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { fileURLToPath } from 'node:url';
import { isDeepStrictEqual } from 'node:util';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { chromiumArgs, serve } from '../../scripts/serve.mjs';
import { launch } from './webdriver.mjs';

const [executablePath, site, language, cases, shots] = process.argv.slice(2);
const engine =
  { 'firefox-esr': 'firefox', firefox: 'firefox', WebKitWebDriver: 'webkit' }[basename(executablePath)] ??
  'chromium';
const firefox = engine === 'firefox';
const webkit = engine === 'webkit';
const locale = process.env.LC_ALL || process.env.LC_MESSAGES || process.env.LANG || 'C';
if (!['ko', 'en'].includes(language) || !['all', 'opening', 'update'].includes(cases)) {
  console.error(
    'usage: node browser_test.mjs BROWSER SITE-FOLDER ko|en all|opening|update [SCREENSHOT-FOLDER [PAGE.html CALCULATOR.wasm]]',
  );
  process.exit(2);
}
// A locale the C library lacks is no locale a person has: the browsers would
// fall back to their own defaults, and the test would not test that locale.
const made = execFileSync('locale', ['-a'], { encoding: 'utf8' }).split('\n');
const normal = (locale) => locale.replace(/\.utf-?8$/i, '.utf8');
if (!made.map(normal).includes(normal(locale))) {
  console.error(`the locale ${locale} is not made here (scripts/deps makes it)`);
  process.exit(1);
}

// ---------------------------------------------------------------------------
// The oracle.

// prettier-ignore
const names = [
  '갑자', '을축', '병인', '정묘', '무진', '기사', '경오', '신미', '임신', '계유', '갑술', '을해',
  '병자', '정축', '무인', '기묘', '경진', '신사', '임오', '계미', '갑신', '을유', '병술', '정해',
  '무자', '기축', '경인', '신묘', '임진', '계사', '갑오', '을미', '병신', '정유', '무술', '기해',
  '경자', '신축', '임인', '계묘', '갑진', '을사', '병오', '정미', '무신', '기유', '경술', '신해',
  '임자', '계축', '갑인', '을묘', '병진', '정사', '무오', '기미', '경신', '신유', '임술', '계해',
];
// The two lines for a year of an era: its place from AD 4, and the one index
// of that place in the range the era's years take.
const expected = (bc, year) => {
  const place = (((BigInt(bc ? 1 - year : year) - 4n) % 60n) + 60n) % 60n;
  const p = Number(place);
  let index = p;
  if (!bc && year < 1984) index = p === 0 ? 60 : p;
  if (bc && year > 30057) index = p === 0 ? 0 : p - 60;
  return [String(index), names[p]];
};
const thisYear = new Date().getFullYear();
const note = 'AD1년~ 신유(57)년부터 시작하고, BC1년 경신년(56)부터 시작함 ';

// ---------------------------------------------------------------------------
// A small runner: every check runs, and each failure is told.

const failures = [];
const check = (what, ok, detail = '') => {
  if (!ok) failures.push(`${what}${detail ? `: ${detail}` : ''}`);
};
// A case that throws ends the test, and what failed before it is told too.
process.on('uncaughtException', (error) => {
  for (const failure of failures) console.error(`FAIL ${failure}`);
  console.error(error);
  process.exit(1);
});
// Objects are the same whatever the order of their keys, which WebDriver
// does not keep.
const same = (what, actual, wanted) =>
  check(
    what,
    isDeepStrictEqual(actual, wanted),
    `got ${JSON.stringify(actual)}, want ${JSON.stringify(wanted)}`,
  );

const server = await serve(site);
// Where a page opens: the site's top, unless a case says otherwise.
let address = server.url;
const profile = mkdtempSync(join(tmpdir(), 'ganji-browser-'));
// Firefox takes the page's languages from its preferences, not from the
// environment: under a Korean locale they are a Korean Firefox's.
const browser = webkit
  ? await launch(executablePath)
  : await puppeteer.launch({
      executablePath,
      browser: firefox ? 'firefox' : 'chrome',
      headless: true,
      userDataDir: profile,
      args: firefox ? [] : chromiumArgs,
      extraPrefsFirefox: /^ko/.test(locale) ? { 'intl.accept_languages': 'ko-KR, ko' } : {},
    });

// A page of the site; what goes wrong in it is a failure of the test.  In
// WebKit the errors are those webdriver.mjs sees, and the server's log stands
// for the requests.
let offline = false;
// `before`, with `args`, runs in the page before its own script.
const open = async (viewport = { width: 800, height: 700 }, before = undefined, ...args) => {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  if (before) await page.evaluateOnNewDocument(before, ...args);
  page.on('pageerror', (error) => check('no page error', false, error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') check('no console error', false, message.text());
  });
  if (!webkit) {
    page.on('requestfailed', (request) => {
      if (!offline) check('no failed request', false, `${request.url()} ${request.failure()?.errorText}`);
    });
    page.on('response', (response) =>
      check('no failed response', response.status() < 400, `${response.url()} ${response.status()}`),
    );
  }
  return go(page, Boolean(before));
};
// The page at `address`, once it has opened.
const go = async (page, failing = false) => {
  await page.goto(address);
  // The opening lines, then the date, which follows once the window is drawn;
  // or a failure.
  await page.waitForFunction(() => {
    const $ = (id) => document.getElementById(id);
    return ($('Memo1').value.split('\n').length >= 3 && $('L1').textContent !== '') || $('failure').open;
  });
  // A failure the page catches shows in its own dialog, not as a page error;
  // only the cases that make one on purpose (`before`) may see one here.
  const failure = await page.evaluate(
    () => document.getElementById('failure').open && document.getElementById('failure-text').textContent,
  );
  if (!failing) check('no failure shown at opening', !failure, failure);
  return page;
};
const lines = (page) => page.$eval('#Memo1', (memo) => memo.value.split('\n'));
const type = async (page, id, text) => {
  await page.$eval(`#${id}`, (field) => field.select());
  await page.keyboard.press('Backspace');
  if (text) await page.type(`#${id}`, text);
};
// The lines a click adds: the transcript after it, less the transcript before.
const clickAdds = async (page, button) => {
  const before = await lines(page);
  await page.click(`#${button}`);
  await page
    .waitForFunction(
      (n) => document.getElementById('Memo1').value.split('\n').length !== n,
      { timeout: 5000 },
      before.length,
    )
    .catch(() => {});
  const after = await lines(page);
  same(`${button} keeps what was there`, after.slice(0, before.length), before);
  return after.slice(before.length);
};

// ---------------------------------------------------------------------------

// What the browser showed at opening, for the last line.
let shown = '';

// At opening: the title, the language, the focus in the transcript, today's
// date in the browser's language (Korean "2026. 12. 8.", American
// "12/8/2026"), the year field, the era, and the three opening lines.
{
  const page = await open();
  same('title', await page.title(), '도');
  same('language', await page.$eval('html', (html) => html.lang), 'ko');
  same('focus at opening', await page.evaluate(() => document.activeElement.id), 'Memo1');
  const today = new Date();
  const [year, month, day] = [today.getFullYear(), today.getMonth() + 1, today.getDate()];
  const date = await page.$eval('#L1', (label) => label.textContent);
  shown = `navigator.languages ${JSON.stringify(await page.evaluate(() => navigator.languages))}, date ${date}`;
  same(
    `date label (${shown})`,
    date,
    language === 'ko' ? `${year}. ${month}. ${day}.` : `${month}/${day}/${year}`,
  );
  same('year field', await page.$eval('#Edit1', (field) => field.value), String(thisYear));
  same('years-back field', await page.$eval('#Edit2', (field) => field.value), '');
  same(
    'era at opening',
    await page.$$eval('input[type=radio]', (radios) => radios.map((radio) => [radio.id, radio.checked])),
    [
      ['RBAD', true],
      ['RBBC', false],
    ],
  );
  same('opening lines', await lines(page), [note, String(thisYear), expected(false, thisYear)[1]]);

  // Every control is what the web calls it, named for a screen reader.
  same(
    'labels name their fields',
    await page.evaluate(() =>
      [...document.querySelectorAll('input')].map((input) => [input.id, input.labels[0]?.textContent]),
    ),
    [
      ['Edit1', '년'],
      ['RBAD', 'AD'],
      ['RBBC', 'BC'],
      ['Edit2', '올해부터 몇년 전 계산'],
    ],
  );
  same(
    'buttons and transcript',
    await page.evaluate(() =>
      ['B1', 'Button1', 'Memo1'].map((id) => {
        const control = document.getElementById(id);
        return [control.tagName, control.getAttribute('aria-label')];
      }),
    ),
    [
      ['BUTTON', '년도의 간지 계산'],
      ['BUTTON', '몇년 전의 간지 계산'],
      ['TEXTAREA', '계산 결과'],
    ],
  );
  same(
    'the radio buttons are one group',
    await page.$$eval(
      'fieldset input[type=radio]',
      (radios) => new Set(radios.map((radio) => radio.name)).size,
    ),
    1,
  );

  // The controls stand where the layout puts them, at the designed size.
  const box = async (id) => {
    const origin = await page.$eval('#TForm1', (window) => window.getBoundingClientRect().toJSON());
    const rect = await page.$eval(id, (control) => control.getBoundingClientRect().toJSON());
    return [rect.x - origin.x, rect.y - origin.y, rect.width, rect.height].map(Math.round);
  };
  same('transcript place', await box('#Memo1'), [24, 80, 433, 465]);
  same('year field place', await box('#Edit1'), [152, 40, 57, 20]);
  same('B1 place', await box('#B1'), [216, 40, 81, 33]);
  same('AD place', await box('#RBAD-box'), [24, 40, 49, 17]);
  same('BC place', await box('#RBBC-box'), [80, 40, 49, 17]);
  same('Button1 place', await box('#Button1'), [376, 40, 81, 33]);
  same('years-back field place', await box('#Edit2'), [312, 40, 57, 20]);
  same('window size', (await box('#TForm1')).slice(2), [493, 600]);

  // The tab order is the window's; the checked radio button stands for its
  // pair, and the arrow keys move in it.
  const visited = [];
  for (let i = 0; i < 5; ++i) {
    await page.keyboard.press('Tab');
    visited.push(await page.evaluate(() => document.activeElement.id));
  }
  same('tab order', visited, ['Edit1', 'B1', 'RBAD', 'Button1', 'Edit2']);
  await page.focus('#RBAD');
  await page.keyboard.press('ArrowRight');
  same('arrow key chooses BC', await page.$eval('#RBBC', (radio) => radio.checked), true);
  await page.keyboard.press('ArrowLeft');
  same('Tab and arrows add no line', (await lines(page)).length, 3);
  await page.close();
}

const finish = async () => {
  await browser.close();
  await server.close();
  rmSync(profile, { recursive: true, force: true });
  same('no response of 400 and above', server.failed, []);
  for (const failure of failures) console.error(`FAIL ${failure}`);
  console.log(`${failures.length ? 'FAILED' : 'passed'}: ${engine}, ${locale}, ${cases} (${shown})`);
  process.exit(failures.length ? 1 : 0);
};
if (cases === 'opening') await finish();

// A new release reaches a person who has the page, under the habits of the
// hosts people use, by their second load at the latest, and the page they
// have open is never reloaded; a host caught halfway through an upload never
// breaks the release in place.  Release 2 is made as every release is, by
// site.mjs, from the page with one change.  Each host is a server of its own,
// on its own port: its origin, and so its worker, is new.
if (cases === 'update') {
  const [pagePath, wasmPath] = process.argv.slice(7);
  const made = mkdtempSync(join(tmpdir(), 'ganji-release-'));
  const page2 = join(made, 'page.html');
  writeFileSync(
    page2,
    readFileSync(pagePath, 'utf8').replace('</head>', '<meta name="release" content="2"></head>'),
  );
  const siteScript = fileURLToPath(new URL('../../web/site.mjs', import.meta.url));
  execFileSync(process.execPath, [siteScript, page2, wasmPath, join(made, 'site')]);
  const releases = { 1: site, 2: join(made, 'site') };
  const cacheOf = (release) =>
    readFileSync(join(releases[release], 'sw.js'), 'utf8').match(/const version = '([^']+)'/)[1];
  const released = (page) =>
    page.evaluate(() => document.querySelector('meta[name="release"]')?.content ?? '1');
  const answered = ['60', '갑자'];

  // Whether the host has been asked for a path ending so since `mark`.
  const asked = async (host, mark, ending, what) => {
    for (const end = Date.now() + 20000; !host.requests.slice(mark).some((path) => path.endsWith(ending));) {
      if (Date.now() > end) return check(`${what}: the host is asked for ${ending}`, false);
      await sleep(50);
    }
    return true;
  };
  // The worker is idle when none is installing or waiting and one release is
  // kept (an activated worker has dropped the release before it; WebKit's
  // page may see a worker's state late).
  const idle = (page) =>
    page.waitForFunction(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      const kept = await caches.keys();
      return registration?.active && !registration.installing && !registration.waiting && kept.length === 1;
    });
  // What the worker keeps once the install that began since `mark` (its
  // request for the page shows it) has ended, in success or failure.
  const settled = async (host, mark, page, what) => {
    if (!(await asked(host, mark, '/index.html', `${what}, the new worker`))) return undefined;
    await idle(page);
    return page.evaluate(() => caches.keys());
  };
  // A load of the page in the visitor's one window (a new one at the first
  // visit, which waits until its worker is installed), at its folder or by
  // its own name, online or with the host gone: the release it shows, and
  // that it answers.  (One window, since WebKitGTK under WebDriver keeps no
  // cache's entries past the window that made them.)
  const load = async (host, window, release, what, { name = '', down = false } = {}) => {
    offline = down;
    host.offline(down);
    address = host.url + name;
    const mark = host.requests.length;
    const first = !window;
    window = first ? await open() : await go(window);
    const shown = await released(window);
    check(`${what}: release shown`, [release].flat().includes(shown), `got ${shown}, want ${release}`);
    await type(window, 'Edit1', '1924');
    same(`${what}: answer`, await clickAdds(window, 'B1'), answered);
    if (first && (await asked(host, mark, '/sw.js', `${what}, the load`))) await idle(window);
    host.offline(false);
    offline = false;
    return window;
  };
  // A first visit to a new host, which installs release 1.  Every host stays
  // up to the end, so that no later one gets its port, and with it its
  // origin and worker.
  const hosts = [];
  const visit = async (habits, what) => {
    const host = await serve(releases[1], habits);
    hosts.push(host);
    return [host, await load(host, undefined, '1', `${what}, first visit`)];
  };
  // The host as it is now, seen by a returning visitor: the first load shows
  // release 1 (or, where the browser looks for a new worker before it
  // answers, as WebKit may, the new release) and starts the worker's
  // install, which must keep `release`; the page stays as it was, answers
  // and all.  The next load shows `release`, and so does each load offline,
  // under both names of the page.
  const returns = async (host, window, release, what) => {
    const mark = host.requests.length;
    await load(host, window, ['1', release], `${what}, first load`);
    same(`${what}: the worker keeps`, await settled(host, mark, window, what), [cacheOf(release)]);
    same(`${what}: the open page is not reloaded`, (await lines(window)).slice(-2), answered);
    await load(host, window, release, `${what}, second load`);
    await load(host, window, release, `${what}, offline`, { down: true });
    await load(host, window, release, `${what}, index.html offline`, { name: 'index.html', down: true });
  };

  const netlify = { cache: 'max-age=0, must-revalidate' };
  for (const [what, habits] of [
    [
      'max-age=600, the pictures a year (GitHub Pages)',
      { cache: 'max-age=600', iconCache: 'max-age=31536000' },
    ],
    ['Last-Modified alone (nginx, Apache)', { cache: null }],
    ['max-age=0, must-revalidate (Netlify)', netlify],
    ['index.html redirected to its folder', { prettyUrls: true }],
    ['in a folder, max-age=600', { base: '/ganji/', cache: 'max-age=600' }],
  ]) {
    const [host, window] = await visit(habits, what);
    host.folder = releases[2];
    await returns(host, window, '2', what);
    await window.close();
  }

  // Halfway through an upload the install is refused and release 1 stays
  // whole, offline too; once the upload is complete, release 2 installs.
  for (const [what, partly] of [
    [
      'the new worker before its page',
      { folder: releases[1], pages: { '/sw.js': readFileSync(join(releases[2], 'sw.js')) } },
    ],
    ['a picture still missing', { folder: releases[2], pages: { '/ganji-512.png': null } }],
  ]) {
    const [host, window] = await visit(netlify, what);
    Object.assign(host, partly);
    await returns(host, window, '1', `${what}, halfway`);
    Object.assign(host, { folder: releases[2], pages: {} });
    await returns(host, window, '2', `${what}, complete`);
    await window.close();
  }

  // A page brought back into view asks for a new release; the host's next
  // request for the worker is that question.
  {
    const [host, window] = await visit(netlify, 'brought back');
    host.folder = releases[2];
    const mark = host.requests.length;
    await window.evaluate(() => document.dispatchEvent(new Event('visibilitychange')));
    await asked(host, mark, '/sw.js', 'brought back');
    same('brought back: the worker keeps', await settled(host, mark, window, 'brought back'), [cacheOf('2')]);
    same('brought back: the open page is not reloaded', (await lines(window)).slice(-2), answered);
    await load(host, window, '2', 'brought back, next load');
    await window.close();
  }
  for (const host of hosts) await host.close();
  rmSync(made, { recursive: true, force: true });
  await finish();
}

// B1: a year in the chosen era, read with the desktop field's rule.
{
  const page = await open();
  const cases = [
    [false, '1924', ['60', '갑자']],
    [false, '1984', ['0', '갑자']],
    [false, '1', ['57', '신유']],
    [true, '1', ['56', '경신']],
    [true, '30058', ['-1', '계해']],
    [false, '', ['56', '경신']],
    [true, '', ['57', '신유']],
    [false, '올해', ['56', '경신']],
    [false, '0x7B2', ['56', '경신']],
    [false, '  1924 ', ['60', '갑자']],
    [false, '\u30001924\u3000', ['60', '갑자']],
    [false, '+1984', ['0', '갑자']],
    [false, '-2147483648', ['48', '임자']],
    [false, '2147483647', expected(false, 2147483647)],
    [true, '2147483647', expected(true, 2147483647)],
    [false, '2147483648', ['56', '경신']],
    [false, '-2147483649', ['56', '경신']],
  ];
  for (const [bc, text, answer] of cases) {
    await page.click(bc ? '#RBBC' : '#RBAD');
    await type(page, 'Edit1', text);
    same(`B1, ${bc ? 'BC' : 'AD'} ${JSON.stringify(text)}`, await clickAdds(page, 'B1'), answer);
  }
  await page.close();
}

// Button1: so many years back from this year.
{
  const page = await open();
  const cases = [
    ['', false, thisYear],
    ['0', false, thisYear],
    [String(thisYear), true, 1],
    [String(thisYear + 1), true, 2],
    ['-10', false, thisYear + 10],
    ['abc', false, thisYear],
    ['2147483647', true, 2147483647 - thisYear + 1],
    ['-2147483648', false, thisYear + 2147483648],
  ];
  for (const [text, bc, year] of cases) {
    await type(page, 'Edit2', text);
    same(`Button1, ${JSON.stringify(text)}`, await clickAdds(page, 'Button1'), expected(bc, year));
  }
  // After Button1 went into BC, B1 still answers in the era shown.
  await type(page, 'Edit2', String(thisYear + 5));
  await clickAdds(page, 'Button1');
  await page.click('#RBAD');
  await type(page, 'Edit1', '1');
  same('B1 follows the radio buttons after Button1 went into BC', await clickAdds(page, 'B1'), [
    '57',
    '신유',
  ]);

  // Wide: years of both eras across the cycle and the ends of the ranges,
  // each click two lines, none lost.
  const years = [];
  for (let year = -130; year <= 130; year += 7) years.push(year);
  years.push(1983, 1984, 2044, 30056, 30057, 30058, 30117, 30118, 999999, -999999);
  const written = await page.evaluate(async (years) => {
    const field = document.getElementById('Edit1');
    const memo = document.getElementById('Memo1');
    const out = [];
    for (const bc of [false, true]) {
      document.getElementById(bc ? 'RBBC' : 'RBAD').checked = true;
      for (const year of years) {
        const n = memo.value.length;
        field.value = String(year);
        document.getElementById('B1').click();
        while (memo.value.length === n) await new Promise((r) => setTimeout(r, 1));
        out.push(memo.value.slice(n + 1).split('\n'));
      }
    }
    return out;
  }, years);
  same(
    'many years, both eras',
    written,
    [false, true].flatMap((bc) => years.map((year) => expected(bc, year))),
  );
  await page.close();
}

// Megabytes in a field: the calculator's memory grows to take them.  WebKit
// keeps no more than 524,288 characters of a field's text: there the year
// after the blanks is cut off, and the blanks answer as an empty field does.
{
  const page = await open();
  const answers = await page.evaluate(() => {
    const memo = document.getElementById('Memo1');
    const answer = (field, button, text) => {
      document.getElementById(field).value = text;
      const n = memo.value.length;
      document.getElementById(button).click();
      return memo.value.slice(n + 1).split('\n');
    };
    return [
      answer('Edit1', 'B1', `${' '.repeat(12 << 20)}1924 `),
      document.getElementById('Edit1').value.length,
      answer('Edit2', 'Button1', '9'.repeat(24 << 20)),
      answer('Edit1', 'B1', '1984'),
    ];
  });
  same('what the field keeps', answers[1], webkit ? 524288 : (12 << 20) + 5);
  same('megabytes of blanks around a year', answers[0], webkit ? ['56', '경신'] : ['60', '갑자']);
  same('megabytes of digits are no number', answers[2], expected(false, thisYear));
  same('and the page carries on', answers[3], ['0', '갑자']);
  same('no failure shown', await page.$eval('#failure', (dialog) => dialog.open), false);
  await page.close();
}

// Undo in the transcript takes back the person's typing, never the
// program's lines: neither the opening ones nor a click's.
for (const clicked of [false, true]) {
  const page = await open();
  if (clicked) {
    await type(page, 'Edit1', '1984');
    await clickAdds(page, 'B1');
  }
  const written = await lines(page);
  await page.focus('#Memo1');
  await page.$eval('#Memo1', (memo) => memo.setSelectionRange(memo.value.length, memo.value.length));
  await page.keyboard.type('memo');
  same(
    `typing in the transcript (${clicked ? 'after a click' : 'at opening'})`,
    (await lines(page)).at(-1),
    `${written.at(-1)}memo`,
  );
  for (let i = 0; i < 2 * written.length + 8; ++i) {
    await page.keyboard.down('Control');
    await page.keyboard.press('z');
    await page.keyboard.up('Control');
  }
  same(
    `undo keeps the program's lines (${clicked ? 'after a click' : 'at opening'})`,
    await lines(page),
    written,
  );
  await page.close();
}

// A failure is shown once, in the page's dialog, and the page carries on.
{
  const page = await open();
  await page.evaluate(() => {
    const decode = TextDecoder.prototype.decode;
    TextDecoder.prototype.decode = function () {
      TextDecoder.prototype.decode = decode;
      throw new Error('시험 삼아 낸 오류');
    };
  });
  const before = await lines(page);
  await page.click('#B1');
  await page.waitForSelector('#failure[open]');
  same('failure message', await page.$eval('#failure-text', (text) => text.textContent), '시험 삼아 낸 오류');
  same('a failure adds no line', await lines(page), before);
  await page.click('#failure-close');
  same('the dialog closes', await page.$eval('#failure', (dialog) => dialog.open), false);
  await type(page, 'Edit1', '1924');
  same('the page carries on', await clickAdds(page, 'B1'), ['60', '갑자']);
  same('shown once', await page.$eval('#failure', (dialog) => dialog.open), false);
  await page.close();
}

// On a phone, the whole window shows, with no sideways scrolling.  (WebKit's
// window is no narrower than MiniBrowser's toolbar, about 450 pixels: the
// page is still narrower than the window, 493 pixels, and scaled down.)
{
  const page = await open({ width: 360, height: 640, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  const fit = await page.evaluate(() => {
    const outside = [...document.querySelectorAll('#TForm1 *')].filter((control) => {
      const rect = control.getBoundingClientRect();
      return rect.left < 0 || rect.top < 0 || rect.right > innerWidth || rect.bottom > innerHeight;
    });
    return {
      sideways: document.documentElement.scrollWidth > innerWidth,
      outside: outside.map((c) => c.id || c.tagName),
    };
  });
  same('the window fits a phone', fit, { sideways: false, outside: [] });
  await page.close();
}

// Accessibility: axe-core finds nothing.
{
  const page = await open();
  const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  await page.evaluate(axe);
  const violations = await page.evaluate(async () =>
    (await window.axe.run(document)).violations.map(
      (v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`,
    ),
  );
  same('axe-core violations', violations, []);
  await page.close();
}

// After the first visit the page opens and answers offline, and Chromium
// offers to install it (a question only Chromium's own protocol can ask).
// The visit is the first to a host of its own, so that the worker's files
// are kept by this window: WebKitGTK under WebDriver empties a cache when
// the window that filled it closes.
{
  const host = await serve(site);
  address = host.url;
  const page = await open();
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
  });
  if (engine === 'chromium') {
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    same('installable', installabilityErrors, []);
  }
  offline = true;
  host.offline(true);
  await page.reload();
  await page.waitForFunction(() => document.getElementById('Memo1').value.split('\n').length >= 3);
  same('offline, the worker answers', await page.evaluate(() => !!navigator.serviceWorker.controller), true);
  same('offline opening lines', await lines(page), [note, String(thisYear), expected(false, thisYear)[1]]);
  await type(page, 'Edit1', '1924');
  same('offline answer', await clickAdds(page, 'B1'), ['60', '갑자']);
  host.offline(false);
  offline = false;
  await page.close();
  await host.close();
  address = server.url;
}

// Nothing fails at opening.  A language tag the browser's Intl rejects
// (WebKitGTK's "C" for the C locale) is passed over for the next; with no
// good one left, the date is in the browser's default form, the year in full.
// These two cases run a script in the page before its own, which WebKit's
// classic WebDriver cannot; there the test under C.UTF-8 meets WebKitGTK's
// "C" itself.
if (!webkit) {
  for (const languages of [['C', 'en_US', 'ko-KR'], ['C'], []]) {
    const page = await open(
      undefined,
      (tags) => Object.defineProperty(navigator, 'languages', { get: () => tags }),
      languages,
    );
    const what = `opening with languages ${JSON.stringify(languages)}`;
    same(`${what}: no failure`, await page.$eval('#failure', (dialog) => dialog.open), false);
    same(`${what}: the lines`, (await lines(page)).length, 3);
    const date = await page.$eval('#L1', (label) => label.textContent);
    const today = new Date();
    check(`${what}: the date, the year in full`, date.includes(String(today.getFullYear())), date);
    const korean = `${today.getFullYear()}. ${today.getMonth() + 1}. ${today.getDate()}.`;
    if (languages.includes('ko-KR')) same(`${what}: the good tag's form`, date, korean);
    await page.close();
  }
}

// Without WebAssembly (iPhone's Lockdown Mode): the window is drawn, and the
// person reads why in Korean, once; the buttons are off.
if (!webkit) {
  const page = await open(undefined, () => delete globalThis.WebAssembly);
  same('without WebAssembly: the failure shows', await page.$eval('#failure', (dialog) => dialog.open), true);
  const text = await page.$eval('#failure-text', (p) => p.textContent);
  check('without WebAssembly: it says why, in Korean', /계산할 수 없습니다.*WebAssembly/.test(text), text);
  check('without WebAssembly: no script error text', !/Error|undefined/.test(text), text);
  same(
    'without WebAssembly: the year field',
    await page.$eval('#Edit1', (field) => field.value),
    String(thisYear),
  );
  same(
    'without WebAssembly: the window',
    await page.$eval('#TForm1', (w) => [w.offsetWidth, w.offsetHeight]),
    [493, 600],
  );
  await page.click('#failure-close');
  same(
    'without WebAssembly: the buttons are off',
    await page.$$eval('#B1, #Button1', (buttons) => buttons.map((button) => button.disabled)),
    [true, true],
  );
  await page.$eval('#B1', (button) => button.click());
  same('without WebAssembly: shown once', await page.$eval('#failure', (dialog) => dialog.open), false);
  same('without WebAssembly: no lines', await lines(page), ['']);
  await page.close();
}

// Without JavaScript the window is drawn and one line says what it needs
// (only Chromium's own protocol turns it off for a page).
if (engine === 'chromium') {
  const page = await browser.newPage();
  await page.setJavaScriptEnabled(false);
  await page.setViewport({ width: 800, height: 700 });
  await page.goto(server.url);
  const shown = await page.evaluate(() => {
    const line = document.querySelector('noscript p');
    return [line?.textContent, line?.offsetHeight > 0, document.getElementById('TForm1').offsetHeight];
  });
  same('without JavaScript', shown, ['이 페이지는 JavaScript를 켜야 계산할 수 있습니다.', true, 600]);
  await page.close();
}

// At home on a home screen: the program's name, not the window's caption;
// icons for Android, maskable ones within their safe circle, and an opaque
// one for iOS; the bar's colour in light and dark.  And the site is small.
{
  const page = await open();
  const manifestUrl = await page.$eval('link[rel=manifest]', (link) => link.href);
  const home = await page.evaluate(
    async (manifest) => {
      // Every pixel of an icon, as [red, green, blue, alpha] rows.
      const pixels = async (src) => {
        const image = new Image();
        image.src = src;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.naturalWidth;
        canvas.height = image.naturalHeight;
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const { data } = context.getImageData(0, 0, canvas.width, canvas.height);
        return { size: [canvas.width, canvas.height], data };
      };
      const icons = [];
      for (const { src, sizes, purpose = 'any' } of manifest.icons) {
        if (sizes === 'any') continue;
        const { size, data } = await pixels(src);
        // How far from the centre, as a share of the side, a pixel unlike the
        // corner's lies: a mask may cut anything beyond 40 %.
        let reach = 0;
        const w = size[0];
        for (let i = 0; i < data.length; i += 4) {
          if ([0, 1, 2, 3].every((c) => Math.abs(data[i + c] - data[c]) <= 8)) continue;
          const x = (i / 4) % w;
          const y = Math.floor(i / 4 / w);
          reach = Math.max(reach, Math.hypot(x + 0.5 - w / 2, y + 0.5 - w / 2) / w);
        }
        icons.push([purpose, sizes, size.join('x'), purpose === 'maskable' ? reach < 0.4 : true]);
      }
      const apple = await pixels(document.querySelector('link[rel=apple-touch-icon]').href);
      return {
        names: [manifest.name, manifest.short_name, document.title],
        appleTitle: document.querySelector('meta[name=apple-mobile-web-app-title]').content,
        icons,
        apple: [apple.size.join('x'), apple.data.every((v, i) => i % 4 !== 3 || v === 255)],
        themes: [...document.querySelectorAll('meta[name=theme-color]')].map((m) => m.media),
      };
    },
    await (await fetch(manifestUrl)).json(),
  );
  same("names: the manifest's two, and the title", home.names, ['간지 계산기', '간지 계산기', '도']);
  same('home screen name on iOS', home.appleTitle, '간지 계산기');
  same('icons: size, and maskable within the safe circle', home.icons, [
    ['any', '192x192', '192x192', true],
    ['any', '512x512', '512x512', true],
    ['maskable', '512x512', '512x512', true],
  ]);
  same('the iOS icon: 180 pixels, opaque', home.apple, ['180x180', true]);
  same('theme colours', home.themes, ['(prefers-color-scheme: light)', '(prefers-color-scheme: dark)']);
  await page.close();
  const bytes = readdirSync(site).map((file) => readFileSync(join(site, file)));
  const total = bytes.reduce((sum, file) => sum + file.length, 0);
  check('the site is at most 100 KB', total <= 100 * 1024, `${total} bytes`);
  const index = gzipSync(readFileSync(join(site, 'index.html')), { level: 9 }).length;
  // Half the first round trip's 14 KB, with room for the answers' status
  // region (about 70 bytes).
  check('index.html is at most 7.25 KB with gzip -9', index <= 7.25 * 1024, `${index} bytes`);
}

// Pictures of the page, to look at: desktop and phone, light and dark, from
// Chromium in Korean, the page's language (only Chromium is told the colour
// scheme to prefer).
if (shots && engine === 'chromium' && language === 'ko') {
  for (const [name, viewport] of [
    ['desktop', { width: 800, height: 700 }],
    ['phone', { width: 360, height: 640, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }],
  ]) {
    for (const scheme of ['light', 'dark']) {
      const page = await open(viewport);
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
      await page.screenshot({ path: join(shots, `web-${name}-${scheme}.png`) });
      await page.close();
    }
  }
}

await finish();
