// Keeps the page and the program in the browser, so that Vivarel opens without a network once
// it has been loaded. The build writes the files' fingerprint into the cache's name: a new
// version replaces the whole cache at once, never half of it.
"use strict";
const CACHE = "vivarel-@EMPREINTE@";
const FICHIERS = ["./", "index.html", "qtloader.js", "vivarel.js", "vivarel.wasm",
                  "manifest.webmanifest", "icone-192.png", "icone-512.png"];

self.addEventListener("install", (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FICHIERS)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (e) => {
  e.waitUntil(caches.keys()
    .then((noms) => Promise.all(noms.filter((n) => n.startsWith("vivarel-") && n !== CACHE)
                                    .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The page's own files from the cache (a link's fragment never reaches here); anything else
// from the network.
self.addEventListener("fetch", (e) => {
  if (e.request.method !== "GET") return;
  e.respondWith(caches.open(CACHE)
    .then((c) => c.match(e.request, { ignoreSearch: true }))
    .then((r) => (r && e.request.mode === "navigate" ? sansPrechargements(r) : r) || fetch(e.request)));
});

// The page's preloads start the program's download with the page's on a first visit. From here
// the program comes as quickly without them, and a preload only copied it once more.
async function sansPrechargements(page) {
  const entetes = new Headers(page.headers);
  entetes.delete("Content-Length");
  entetes.delete("Content-Encoding");
  const texte = (await page.text()).replace(/<link rel="preload"[^>]*>\n/g, "");
  return new Response(texte, { status: page.status, headers: entetes });
}
