// The offline cache: every file of the build is stored at install, pages are answered from it
// first, and a new build (a new list below) replaces the old cache once it is complete.
'use strict';

const BUILD = '@BUILD@';
const FILES = @FILES@;
const CACHE = 'metria-' + BUILD;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('metria-') && name !== CACHE)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page with any query (?autostart, ?scale=2) is the same file.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
