// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the site: node site.mjs PAGE.html CALCULATOR.wasm SITE-FOLDER
//
// PAGE.html is the window's layout as page.xsl made it.  Its style and script
// go inside it, and the calculator in base64 inside the script, so that the
// window and its first lines need one request; the Content-Security-Policy
// then allows exactly those two by their hashes.  Beside it: the service
// worker, the web app manifest and the icons.  The same inputs make the same
// bytes.

import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const [pagePath, wasmPath, site] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));
const source = (path) => readFileSync(join(here, path), 'utf8');
const sha256 = (text) => createHash('sha256').update(text).digest('base64');
// Fills in @NAME@ placeholders; a function, so that no `$` in a value is read
// as a replacement pattern.
const fill = (text, values) => text.replace(/@([A-Z]+)@/g, (match, name) => values[name] ?? match);

// The name and description the desktop gives the program.
const desktop = readFileSync(join(here, '../packaging/ganji.desktop.in'), 'utf8');
const entry = (key) => desktop.match(new RegExp(`^${key}\\[ko\\]=(.*)$`, 'm'))[1];

const filled = fill(readFileSync(pagePath, 'utf8'), {
  DESCRIPTION: entry('Comment'),
  STYLE: source('page.css'),
  SCRIPT: fill(source('page.js'), { WASM: readFileSync(wasmPath).toString('base64') }),
});
// The policy allows the one style element and the one script by their hashes.
const element = (name) => filled.match(new RegExp(`<${name}>([^]*?)</${name}>`))[1];
const csp = [
  "default-src 'none'",
  `script-src 'sha256-${sha256(element('script'))}' 'wasm-unsafe-eval'`,
  `style-src 'sha256-${sha256(element('style'))}'`,
  "img-src 'self'",
  "manifest-src 'self'",
  "worker-src 'self'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');
const page = fill(filled, { CSP: csp });
if (/@[A-Z]+@/.test(page)) throw new Error('a placeholder is left in the page');

const icons = [
  { src: 'ganji.svg', sizes: 'any', type: 'image/svg+xml' },
  { src: 'ganji-48.png', sizes: '48x48', type: 'image/png' },
  { src: 'ganji-32.png', sizes: '32x32', type: 'image/png' },
];
const manifest = `${JSON.stringify(
  {
    name: entry('Name'),
    short_name: page.match(/<title>(.*)<\/title>/)[1],
    description: entry('Comment'),
    lang: 'ko',
    start_url: './',
    scope: './',
    display: 'standalone',
    background_color: '#f0f0f0',
    theme_color: '#7a1f1f',
    icons,
  },
  null,
  2,
)}\n`;

mkdirSync(site, { recursive: true });
writeFileSync(join(site, 'index.html'), page);
writeFileSync(join(site, 'manifest.webmanifest'), manifest);
for (const { src } of icons) copyFileSync(join(here, '../app/icons', src), join(site, src));

// The worker's cache is named after everything it keeps.
const files = ['index.html', 'manifest.webmanifest', ...icons.map(({ src }) => src)];
const version = createHash('sha256');
for (const file of files) version.update(readFileSync(join(site, file)));
writeFileSync(
  join(site, 'sw.js'),
  fill(source('sw.js'), {
    VERSION: `ganji-${version.digest('hex').slice(0, 16)}`,
    FILES: files.join(' '),
  }),
);
