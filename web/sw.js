// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's files so it plays offline from a phone's home screen. The cache is
// named after the build, so a new build's files replace the old ones.
'use strict';
const CACHE = 'novaro-@VERSION@';
// The build bundles the page's modules into pagina.js.
const ARCHIVOS = ['./', 'index.html', 'estilo.css', 'pagina.js', 'novaro.js', 'novaro.wasm',
                  'CambioTablero.wav', 'manifest.webmanifest', 'icono-128.png', 'icono-256.png'];

self.addEventListener('install', (ev) => {
    ev.waitUntil(caches.open(CACHE).then((c) => c.addAll(ARCHIVOS)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (ev) => {
    ev.waitUntil(caches.keys()
        .then((nombres) => Promise.all(nombres.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

// The network first, so a published update is seen at once; the cache when offline.
self.addEventListener('fetch', (ev) => {
    if (ev.request.method !== 'GET') return;
    ev.respondWith(fetch(ev.request).then((r) => {
        if (r.ok) {
            const copia = r.clone();
            caches.open(CACHE).then((c) => c.put(ev.request, copia));
        }
        return r;
    }).catch(() => caches.match(ev.request, { ignoreSearch: true })));
});
