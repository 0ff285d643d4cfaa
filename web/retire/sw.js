// The worker that takes Metria's offline copy away again: put in place of the site's sw.js, it
// removes this folder's copy and its own registration at its first start, and loads the pages that
// were still open again from the server.
'use strict';

const OWN_CACHES = 'metria ' + self.registration.scope + ' ';

// It waits for no page to close: the pages it finds open belong to the build it takes away.
self.addEventListener('install', () => self.skipWaiting());

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const names = await caches.keys();
    await Promise.all(names.filter((name) => name.startsWith(OWN_CACHES)).map((name) => caches.delete(name)));
    await self.registration.unregister();
    // Only the pages the old worker controlled: a page that registered this worker itself is not
    // one of them, so a site that still asks for sw.js is not loaded again and again.
    for (const client of await self.clients.matchAll({ type: 'window' })) {
      client.navigate(client.url).catch(() => {});
    }
  })());
});
