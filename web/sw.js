// The offline cache: every file of the build is stored at install, pages are answered from it
// first, and a new build (a new list below) replaces the old cache once no page of the old build is
// open: most files are named after their content, and a page still running fetches its cues and
// pictures by the names its own build gave them, which only the old cache holds.
'use strict';

const BUILD = '@BUILD@';
const FILES = @FILES@;
const CACHE = 'metria-' + BUILD;

self.addEventListener('install', (event) => {
  // Where the browser can, it answers the page's files from the cache itself, without starting this
  // worker's script for each of them; the page, with its query, still comes through 'fetch' below.
  if (event.addRoutes) {
    event.addRoutes({ condition: { not: { requestMode: 'navigate' } }, source: { cacheName: CACHE } })
      .catch((error) => console.info('static route:', error.message));
  }
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
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
  event.respondWith(caches.match(event.request, { ignoreSearch: true, cacheName: CACHE })
    .then((cached) => cached || fetch(event.request)));
});
