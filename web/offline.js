// Keeps the page's files, so that the page opens and runs with no network. The build fills in the
// list of files and the cache's name, which carries the version and a hash of the files: a new
// build is a new worker, which keeps its own files and drops the ones kept before.
'use strict';

const build = '@QUORVEL_CACHE_NAME@';
const pageFiles = [@QUORVEL_PAGE_FILES@];
// The worker lives beside the page's files; addresses are taken from where it stands, so that the
// page works at the root of a server and in any folder below it.
const pageFolder = new URL('./', self.location).href;
// Named after the folder too, so that copies of the page in other folders of the server, older or
// newer, keep their own files.
const cacheName = `${build} ${pageFolder}`;

self.addEventListener('install', (event) => {
    // Checked with the server, as the browser's own cache may still hold an older build's files;
    // those the page has just loaded come back unchanged without being downloaded again.
    const requests = pageFiles.map((file) => new Request(new URL(file, pageFolder), { cache: 'no-cache' }));
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const older = (name) => name.startsWith('quorvel-') && name.endsWith(` ${pageFolder}`) && name !== cacheName;
    const dropOthers = caches.keys().then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name))));
    event.waitUntil(dropOthers.then(() => self.clients.claim()));
});

// The folder itself is its index.html, as a static server hands it out.
function keptAddress(request) {
    const url = new URL(request.url);
    url.hash = '';
    if (url.pathname.endsWith('/')) url.pathname += 'index.html';
    return url.href;
}

// Kept files first; anything else, or anything missing, from the network as usual.
self.addEventListener('fetch', (event) => {
    const { request } = event;
    if (request.method !== 'GET' || !request.url.startsWith(pageFolder)) return;
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(keptAddress(request), { ignoreSearch: request.mode === 'navigate' }))
        .then((kept) => kept ?? fetch(request)));
});
