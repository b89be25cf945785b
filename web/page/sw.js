'use strict';
// Keeps the page's files, so that after the first visit the page opens with no network, and a
// school's computers can install it as an app. The build fills in the files and the name they are
// kept under, which changes with them: a new build keeps its own, and lets the old ones go.
const kept = '@KEPT@';
const files = ['@FILES@'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kept).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== kept).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// From the network while there is one, so that a new build never hides behind the kept files;
// from the kept files when there is none.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin)
    return;
  event.respondWith(fetch(event.request)
    .catch(() => caches.match(event.request, { cacheName: kept, ignoreSearch: true }))
    .then((response) => response ?? Response.error()));
});
