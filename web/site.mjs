// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the site: node site.mjs PAGE.html CALCULATOR.wasm SITE-FOLDER
//
// PAGE.html is the window's layout as page.xsl made it.  Its style and script
// go inside it, and the calculator inside the script, so that the window and
// its first lines need one request; the Content-Security-Policy then allows
// exactly those two by their hashes.  Beside it: the service worker, the web
// app manifest and the icons.  The same inputs make the same bytes.

import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
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

// What the browser downloads carries no comments and no indentation, and the
// licence notice once, at the top of the page: the sources keep theirs.
const bare = (text) =>
  text
    .split('\n')
    .map((line) => line.trim())
    .filter((line) => line !== '' && !line.startsWith('//'))
    .join('\n');
const script = source('page.js');
const notice = script.match(/^\/\/ SPDX-.*$/gm).map((line) => line.slice(3));
const style = source('page.css')
  .replace(/\/\*[^]*?\*\//g, '')
  .replace(/\s*([{};,>])\s*/g, '$1')
  .replace(/:\s+/g, ':')
  .trim();

// The calculator in a string, one character a byte: as UTF-8 and gzipped, a
// sixth smaller than base64.  Each byte is taken one higher, which spares
// its many zero bytes an escape; escaped are the quote and the backslash,
// what the page's parser would change (NUL, carriage returns) and what could
// end the script or look like a placeholder (`<`, `@`).
const wasm = [...readFileSync(wasmPath)]
  .map((byte) => {
    const code = (byte + 1) & 0xff;
    const c = String.fromCharCode(code);
    return /[\0\r\n'\\<@]/.test(c) ? `\\x${code.toString(16).padStart(2, '0')}` : c;
  })
  .join('');

// The window's face, light and dark, which the browser's own bars take on.
const [light, dark] = [...style.matchAll(/--face:(#[0-9a-f]+)/g)].map((match) => match[1]);
const name = entry('Name');
const filled = fill(readFileSync(pagePath, 'utf8'), {
  NOTICE: notice.join('\n'),
  DESCRIPTION: entry('Comment'),
  NAME: name,
  LIGHT: light,
  DARK: dark,
  STYLE: style,
  SCRIPT: fill(bare(script), { WASM: wasm }),
});
// The policy allows the one style element and the one script by their hashes.
const element = (tag) => filled.match(new RegExp(`<${tag}>([^]*?)</${tag}>`))[1];
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

// On a home screen the page is the program the desktop names, not its
// window, whose caption is the page's title.
const icons = [
  { src: 'ganji.svg', sizes: 'any', type: 'image/svg+xml' },
  { src: 'ganji-192.png', sizes: '192x192', type: 'image/png' },
  { src: 'ganji-512.png', sizes: '512x512', type: 'image/png' },
  { src: 'ganji-maskable-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable' },
];
const manifest = `${JSON.stringify(
  {
    name,
    short_name: name,
    description: entry('Comment'),
    lang: 'ko',
    start_url: './',
    scope: './',
    display: 'standalone',
    background_color: light,
    theme_color: light,
    icons,
  },
  null,
  2,
)}\n`;

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
writeFileSync(join(site, 'index.html'), page);
writeFileSync(join(site, 'manifest.webmanifest'), manifest);
// iOS takes its home screen's icon from the page, not the manifest.
const pictures = [...icons.map(({ src }) => src), 'ganji-apple-180.png'];
for (const src of pictures) copyFileSync(join(here, '../app/icons', src), join(site, src));

// The worker knows each file it keeps by the SHA-256 of its bytes, and its
// cache is named after all of them.
const files = ['index.html', 'manifest.webmanifest', ...pictures];
const hashes = Object.fromEntries(
  files.map((file) => [
    file,
    createHash('sha256')
      .update(readFileSync(join(site, file)))
      .digest('hex'),
  ]),
);
const version = createHash('sha256').update(Object.values(hashes).join('')).digest('hex');
writeFileSync(
  join(site, 'sw.js'),
  fill(source('sw.js'), { VERSION: `ganji-${version.slice(0, 16)}`, FILES: JSON.stringify(hashes) }),
);
