// The site kept in the browser for use offline: every file of the build is stored at the first
// visit, in a cache named by the hash of the build's files, and served from there; a new build
// brings a new worker, whose cache replaces the old one as soon as it is whole.

// Set by the build: the site's files, and the cache's name.
declare const kSiteFiles: string[];
declare const kCacheName: string;

interface ExtendableEvent extends Event {
    waitUntil(work: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
    request: Request;
    respondWith(response: Promise<Response>): void;
}
const worker = self as unknown as {
    addEventListener(type: 'install' | 'activate', listener: (event: ExtendableEvent) => void): void;
    addEventListener(type: 'fetch', listener: (event: FetchEvent) => void): void;
    skipWaiting(): Promise<void>;
    clients: { claim(): Promise<void> };
    location: Location;
};
const kPrefix = 'orbelan-site-';

worker.addEventListener('install', (event) => {
    // Past the browser's HTTP cache, which may hold files of the build before.
    const requests = kSiteFiles.map((file) => new Request(file, { cache: 'reload' }));
    event.waitUntil(
        caches
            .open(kCacheName)
            .then((cache) => cache.addAll(requests))
            .then(() => worker.skipWaiting()),
    );
});

worker.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => Promise.all(names.filter((name) => name.startsWith(kPrefix) && name !== kCacheName).map((name) => caches.delete(name))))
            .then(() => worker.clients.claim()),
    );
});

worker.addEventListener('fetch', (event) => {
    const { request } = event;
    if (request.method !== 'GET' || new URL(request.url).origin !== worker.location.origin) return;
    event.respondWith(
        caches
            .open(kCacheName)
            .then((cache) => cache.match(request, { ignoreSearch: true }))
            .then((stored) => stored ?? fetch(request)),
    );
});
