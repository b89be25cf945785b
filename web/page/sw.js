'use strict';
// Keeps one build of the page, whole, so that after the first visit the page opens with no
// network, and a school's computers can install it as an app. The build fills in its name and its
// files, each with the hash of its contents. A new build on the server brings a new copy of this
// worker, which keeps the new build beside the old one and lets the old one go once it has all of
// it: the load after that runs the new build, with a network or without.
const ours = 'total-reflection-';
const kept = `${ours}@BUILD@`;
const files = '@FILES@';

// Storage that is not there, or too small for a whole build.
const noRoom = (error) => ['QuotaExceededError', 'SecurityError'].includes(error?.name);

// Each file from the server itself, past the browser's HTTP cache, which may still hold an old
// build's files, and checked against its hash: a file that fails to arrive, or arrives cut short
// or from another build, fails the whole install, and the build kept before goes on.
async function keep() {
  const answers = await Promise.all(Object.entries(files).map(async ([file, integrity]) => {
    const response = await fetch(file, { cache: 'reload', integrity });
    if (!response.ok)
      throw new Error(`${file}: ${response.status}`);
    return [file, response];
  }));
  const cache = await caches.open(kept);
  await Promise.all(answers.map(([file, response]) => cache.put(file, response)));
}

// Every build kept but those that stay.
async function letGo(stays) {
  for (const name of await caches.keys()) {
    if (name.startsWith(ours) && !stays(name))
      await caches.delete(name);
  }
}

// Where a build cannot be kept, none is, and no worker answers for the page: it then comes from
// the network, as a page with no worker does, and nothing old is shown in place of a new build
// that did not fit. The page asks for a worker again on its next load. The worker is let go
// without waiting, as letting it go waits for this install to end.
async function giveUp(error) {
  await letGo((name) => name !== kept && !noRoom(error)).catch(() => {});
  if (noRoom(error))
    self.registration.unregister();
  throw error;
}

self.addEventListener('install', (event) => {
  event.waitUntil(keep().catch(giveUp).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(letGo((name) => name === kept).then(() => self.clients.claim()));
});

// The page and its build's files from the build kept; what is not kept, and the page where no
// build is, from the network, the page always asked of the server itself.
const thePage = new Set(['./', 'index.html'].map((name) => new URL(name, self.registration.scope).href));

async function answer(request) {
  const url = new URL(request.url);
  url.search = '';
  const page = request.mode === 'navigate' && thePage.has(url.href);
  const found = await caches.match(page ? './' : request, { cacheName: kept });
  return found ?? fetch(page ? new Request(request.url, { cache: 'no-cache' }) : request);
}

self.addEventListener('fetch', (event) => {
  if (event.request.method === 'GET' && new URL(event.request.url).origin === self.location.origin)
    event.respondWith(answer(event.request));
});
