// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps exactly one release of the site, a few small files, so that the page
// opens and answers offline.  site.mjs names each file with the SHA-256 of
// the bytes it made: a changed file is a changed worker.  A new worker takes
// every file from the host, past the browser's HTTP cache (which may still
// hold the release before), and keeps them only if each is there and is the
// file of its release.  Otherwise its install fails, the release in place
// goes on answering, and the browser tries again at its next check, when the
// host may have the whole release.
const version = '@VERSION@';
const files = JSON.parse('@FILES@');

const hex = (digest) =>
  [...new Uint8Array(digest)].map((byte) => byte.toString(16).padStart(2, '0')).join('');

// The file as this release made it, in a response of its own: a host's
// redirect on the way (from index.html to its folder, say) is not kept, since
// a browser refuses a redirected response to a page it opens.
const fetchChecked = async (name) => {
  const response = await fetch(name, { cache: 'reload' });
  if (!response.ok) throw new Error(`${name}: ${response.status}`);
  const body = await response.arrayBuffer();
  if (hex(await crypto.subtle.digest('SHA-256', body)) !== files[name]) {
    throw new Error(`${name} is not this release's`);
  }
  return new Response(body, { headers: { 'Content-Type': response.headers.get('Content-Type') ?? '' } });
};

self.addEventListener('install', (event) => {
  event.waitUntil(
    (async () => {
      const names = Object.keys(files);
      const responses = await Promise.all(names.map(fetchChecked));
      const cache = await caches.open(version);
      await Promise.all(names.map((name, i) => cache.put(name, responses[i].clone())));
      // The page by its folder's name too.
      await cache.put('./', responses[names.indexOf('index.html')]);
      await self.skipWaiting();
    })(),
  );
});

// Once this release answers, the one before goes.  A page already open keeps
// what it has: nothing is reloaded, and the next opening shows this release.
self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(names.filter((name) => name !== version).map((name) => caches.delete(name))),
      )
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches
      .match(event.request, { cacheName: version, ignoreSearch: true })
      .then((kept) => kept ?? fetch(event.request)),
  );
});
