// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A static server for the built site on 127.0.0.1, as any static host would
// serve it: gzip where the browser takes it, each file with its type.  For
// the browser tests and the benchmark; the site itself has no server side.
// serve(folder) resolves to { url, close(), offline(bool), requests, failed }:
// the paths asked for, and those answered with an error status.
// Run as `node web/serve.mjs SITE [PORT]` (scripts/run --web), it serves SITE
// on PORT (8000 by default) until stopped, and opens it in the desktop's
// browser where there is a desktop.

import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
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

export function serve(folder, pages = {}, port = 0) {
  let down = false;
  const requests = [];
  const failed = [];
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    requests.push(path);
    if (down) {
      request.socket.destroy();
      return;
    }
    let body;
    const file = path.endsWith('/') ? `${path}index.html` : path;
    try {
      body = pages[file] ?? readFileSync(join(folder, normalize(file).replace(/^(\.\.[/\\])+/, '')));
    } catch {
      failed.push(`${path} 404`);
      response.writeHead(404).end();
      return;
    }
    const headers = {
      'Content-Type': types[extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'no-cache',
    };
    if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      body = gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () =>
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        failed,
        offline: (value) => {
          down = value;
        },
        close: () => new Promise((done) => server.close(done)),
      }),
    );
  });
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [site, port = '8000'] = process.argv.slice(2);
  const { url } = await serve(site, {}, Number(port));
  console.log(`ganji: the page is at ${url} (Ctrl+C stops the server)`);
  if (process.env.DISPLAY || process.env.WAYLAND_DISPLAY) {
    spawn('xdg-open', [url], { stdio: 'ignore' }).on('error', () => {});
  }
}
