// The offline copy: every file of the build is stored at install. Files named after their content
// are answered from it first, as they never change under their name; the page and the other plainly
// named files come from the server while it answers, so that a changed page or header reaches a
// returning visitor, and from the copy where the network fails or hangs. A new build (a new list
// below) replaces the old copy once no page of the old build is open: a page still running fetches
// its cues and pictures by the names its own build gave them, which only the old copy holds.
'use strict';

const BUILD = '@BUILD@';
const FILES = @FILES@;
// Copies of the site in other folders of the same server have caches of their own: each is named
// after its worker's scope, and the space after the scope keeps /a/ from matching /a/b/.
const OWN_CACHES = 'metria ' + self.registration.scope + ' ';
const CACHE = OWN_CACHES + BUILD;
// The servers' rule for a file that browsers may keep for good (docs/deploy.md).
const CONTENT_NAMED = /\.[0-9a-f]{10}\./;
// How long the page waits for the server before its copy is used instead.
const NETWORK_PATIENCE_MS = 2000;

self.addEventListener('install', (event) => {
  // Where the browser can, it answers the files named after their content from the cache itself,
  // without starting this worker's script for each of them; the rest comes through 'fetch' below.
  if (event.addRoutes) {
    const named = FILES.filter((file) => CONTENT_NAMED.test(file))
      .map((file) => ({ urlPattern: new URL(file, self.registration.scope).pathname }));
    event.addRoutes({ condition: { or: named }, source: { cacheName: CACHE } })
      .catch((error) => console.info('static route:', error.message));
  }
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(OWN_CACHES) && name !== CACHE)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page with any query (?autostart, ?scale=2) is the same file.
const cached = (request) => caches.match(request, { ignoreSearch: true, cacheName: CACHE });

// The server's answer, unless it fails (no network, or a server error, 5xx) or keeps the page
// waiting, where the copy has the file.
async function networkFirst(request) {
  const network = fetch(request);
  const served = network.then((response) => (response.status < 500 ? response : null), () => null);
  const copy = await cached(request);
  if (!copy) return network;
  const late = new Promise((resolve) => setTimeout(resolve, NETWORK_PATIENCE_MS, null));
  return (await Promise.race([served, late])) || copy;
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  if (CONTENT_NAMED.test(new URL(event.request.url).pathname)) {
    event.respondWith(cached(event.request).then((copy) => copy || fetch(event.request)));
  } else {
    event.respondWith(networkFirst(event.request));
  }
});
