// The site's own files: kept by the service worker (serviceWorker.ts) for use offline, and
// said by name when one cannot be loaded, so that a missing file is never taken for a lack
// of memory.
import { showMessage } from './messages';

// The files a worker loads: its script, the core's script and its module.
export const kCoreFiles = ['orbelan.js', 'orbelan.wasm'];

export function keepSiteOffline(updated: () => void): void {
    const workers = navigator.serviceWorker;
    if (!workers) return;
    // A page that had a worker already is told when a new build's takes over.
    const before = workers.controller;
    workers.addEventListener('controllerchange', () => before && updated());
    workers.register('sw.js').catch(() => {});
}

// What to say of the first of the files that cannot be loaded, or null when every one can:
// then what failed was not the loading.
export async function missingFile(files: string[]): Promise<string | null> {
    for (const file of files) {
        try {
            // Asked as the worker asks, so that the service worker answers it from its store.
            const response = await fetch(file);
            void response.body?.cancel();
            if (!response.ok) return `${file} could not be loaded: the site answered ${response.status}.`;
        } catch {
            return `${file} could not be loaded: the page is offline and this part was never stored.`;
        }
    }
    return null;
}

// A run that failed as one of its files could not be loaded, which its message says.
export class MissingFile extends Error {}

// The run's failure as it is to be said: the file missing, if one is, else the failure given.
export async function loadFailure(files: string[], failure: Error): Promise<Error> {
    const missing = await missingFile(files);
    return missing ? new MissingFile(missing) : failure;
}

let saying = false;

// Says which file is missing, if one is, once at a time: several requests fail together.
export async function sayIfMissing(files: string[]): Promise<void> {
    if (saying) return;
    saying = true;
    const missing = await missingFile(files);
    if (missing) await showMessage(missing);
    saying = false;
}
