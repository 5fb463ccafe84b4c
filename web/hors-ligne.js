// Keeps the site's files once loaded, so that the page opens and searches without a network:
// each file is answered from the cache (whatever the address's query), and fetched (and kept)
// the first time it is asked for.
// The build writes the list of files and a version that changes with them.
const VERSION = 'VERSION_DU_SITE';
const FICHIERS = FICHIERS_DU_SITE;

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(VERSION).then((c) => c.addAll(FICHIERS)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(
    caches
      .keys()
      .then((noms) => Promise.all(noms.filter((n) => n !== VERSION).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (e) => {
  const url = new URL(e.request.url);
  if (e.request.method !== 'GET' || url.origin !== self.location.origin) return;
  e.respondWith(
    caches.open(VERSION).then((cache) =>
      cache.match(e.request, { ignoreSearch: true }).then(
        (trouve) =>
          trouve ||
          fetch(e.request).then((reponse) => {
            if (reponse.ok) cache.put(url.pathname, reponse.clone());
            return reponse;
          }),
      ),
    ),
  );
});
