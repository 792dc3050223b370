// The site's service worker: it keeps every file of one build of the site in a cache of its own,
// so that after the first visit the page opens, and its engine runs, without a network.
//
// The build lists its files and names its version in site-version.js (written by
// web/tools/site_version.mjs once everything else is in the site). The browser compares that
// file, as it compares this one, at each visit: a changed site installs a new worker, which
// fills a new cache beside the one in use and waits; the page offers to switch (web/page/
// offline.ts), and the worker that takes over deletes the caches of every older build.
//
// What it serves carries the headers of cross-origin isolation, which the live view's shared
// memory needs, so that a static host that sends none of them serves a working page after the
// first load.

interface SiteFiles {
  readonly version: string;
  readonly files: readonly string[];
}

/** What the page posts to a waiting worker to have it take over at once (web/page/offline.ts). */
interface OfflineRequest {
  readonly kind: "use-now";
}

const worker = self as unknown as ServiceWorkerGlobalScope & { quarrowSite?: SiteFiles };

worker.importScripts("site-version.js");
const site: SiteFiles = worker.quarrowSite ?? { version: "unbuilt", files: [] };

// Caches are shared by every site of an origin; this site's carry its scope in their name, so
// that another copy of the site elsewhere on the same host keeps its own.
const cachePrefix = `quarrow-site ${worker.registration.scope} `;
const cacheName = cachePrefix + site.version;

const isolation: ReadonlyArray<[string, string]> = [
  ["Cross-Origin-Opener-Policy", "same-origin"],
  ["Cross-Origin-Embedder-Policy", "require-corp"],
  ["Cross-Origin-Resource-Policy", "same-origin"],
];

worker.addEventListener("install", (event) => {
  event.waitUntil(
    (async () => {
      const cache = await caches.open(cacheName);
      // Past the browser's own HTTP cache, so that a new build never keeps an old file.
      const requests = site.files.map((file) => new Request(new URL(file, worker.registration.scope).href, { cache: "reload" }));
      await cache.addAll(requests);
    })(),
  );
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name.startsWith(cachePrefix) && name !== cacheName) {
          await caches.delete(name);
        }
      }
      // The first visit's page comes under this worker at once, so that it need not be
      // reloaded to work offline.
      await worker.clients.claim();
    })(),
  );
});

worker.addEventListener("message", (event: ExtendableMessageEvent) => {
  const data = event.data as Partial<OfflineRequest> | null;
  if (data?.kind === "use-now") {
    event.waitUntil(worker.skipWaiting());
  }
});

/** `response` again with the isolation headers; opaque and redirected answers as they are. */
function isolated(response: Response): Response {
  if (response.type === "opaque" || response.type === "opaqueredirect" || response.status === 0) {
    return response;
  }
  const headers = new Headers(response.headers);
  for (const [name, value] of isolation) {
    headers.set(name, value);
  }
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

async function answer(request: Request): Promise<Response> {
  const cache = await caches.open(cacheName);
  const url = new URL(request.url);
  // A link's set-up travels in its query (?phrase=...&step=4): any query opens the same page.
  const navigation = request.mode === "navigate";
  let found = await cache.match(request, { ignoreSearch: navigation });
  if (found === undefined && navigation && url.pathname.endsWith("/")) {
    found = await cache.match(new URL("index.html", url).href);
  }
  return isolated(found ?? (await fetch(request)));
}

worker.addEventListener("fetch", (event: FetchEvent) => {
  const request = event.request;
  if (request.method !== "GET" || !request.url.startsWith(worker.registration.scope)) {
    return;
  }
  event.respondWith(answer(request));
});
