// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A static server for the built site on 127.0.0.1, as a static host would
// serve it: gzip where the browser takes it, each file with its type.  For
// the browser tests and the benchmark; the site itself has no server side.
//
// serve(folder, host) resolves to { url, folder, pages, requests, failed,
// offline(bool), close() }.  `host` says how the host behaves, as the hosts
// people use differ: `cache`, the Cache-Control of every file ('no-cache' by
// default; null sends none, only Last-Modified, as nginx's and Apache's
// defaults do), and `iconCache` that of the pictures; `prettyUrls`, which
// answers index.html with a redirect to its folder; `base`, the folder the
// site is in ('/ganji/' for a project's GitHub Pages); and `port`.  `folder`
// and `pages` (a path in the site to the bytes served there, or to null for a
// 404) can change while it runs, as an upload does.  `requests` are the paths
// asked for, `failed` those answered with an error status.
// Run as `node scripts/serve.mjs SITE [PORT]` (scripts/run --web), it serves
// SITE on PORT (8000 by default) until stopped, and opens it in the
// desktop's browser where there is a desktop.

import { spawn } from 'node:child_process';
import { readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

// Headless Chromium as the tests and the benchmark start it: no sandbox (they
// run as root), and none of its own traffic to Google's hosts.  Its language
// is the environment's.
export const chromiumArgs = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--no-first-run',
];

export function serve(folder, host = {}) {
  const { cache = 'no-cache', iconCache = cache, prettyUrls = false, base = '/', port = 0 } = host;
  let down = false;
  const requests = [];
  const failed = [];
  const state = { folder, pages: host.pages ?? {} };
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    requests.push(path);
    if (down) {
      request.socket.destroy();
      return;
    }
    if (prettyUrls && path.endsWith('/index.html')) {
      response.writeHead(301, { Location: './' }).end();
      return;
    }
    const file = path.startsWith(base) ? `/${path.slice(base.length)}`.replace(/\/$/, '/index.html') : null;
    let body = file && state.pages[file];
    let modified = new Date();
    try {
      if (body === undefined) {
        const name = join(state.folder, normalize(file).replace(/^(\.\.[/\\])+/, ''));
        modified = statSync(name).mtime;
        body = readFileSync(name);
      }
    } catch {
      body = null;
    }
    if (body === null || file === null) {
      failed.push(`${path} 404`);
      response.writeHead(404).end();
      return;
    }
    const headers = {
      'Content-Type': types[extname(file)] ?? 'application/octet-stream',
      'Last-Modified': modified.toUTCString(),
    };
    const control = /\.(png|svg)$/.test(file) ? iconCache : cache;
    if (control !== null) headers['Cache-Control'] = control;
    const since = Date.parse(request.headers['if-modified-since'] ?? '');
    if (since >= Math.floor(modified.getTime() / 1000) * 1000) {
      response.writeHead(304, headers).end();
      return;
    }
    if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      body = gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () =>
      resolve(
        Object.assign(state, {
          url: `http://127.0.0.1:${server.address().port}${base}`,
          requests,
          failed,
          offline: (value) => {
            down = value;
          },
          close: () => new Promise((done) => server.close(done)),
        }),
      ),
    );
  });
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [site, port = '8000'] = process.argv.slice(2);
  const { url } = await serve(site, { port: Number(port) });
  console.log(`ganji: the page is at ${url} (Ctrl+C stops the server)`);
  if (process.env.DISPLAY || process.env.WAYLAND_DISPLAY) {
    spawn('xdg-open', [url], { stdio: 'ignore' }).on('error', () => {});
  }
}
