// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the whole site, a few small files, so that the page opens and answers
// offline.  site.mjs names the files and gives the cache the version of their
// contents: a changed site is a new worker, which fetches the new files and
// drops the old ones.
const version = '@VERSION@';
const files = ['./', ...'@FILES@'.split(' ')];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(version)
      .then((cache) => cache.addAll(files))
      .then(() => self.skipWaiting()),
  );
});

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
    caches.match(event.request, { ignoreSearch: true }).then((kept) => kept ?? fetch(event.request)),
  );
});
