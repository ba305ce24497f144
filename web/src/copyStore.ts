// The kept copies of unsaved changes in the browser's IndexedDB, one record a slot: a tab's
// own slot, or one that no tab holds, where a copy is set aside. A record is written in one
// transaction, so a copy is whole or not there, and its text is a Blob, which the browser
// stores outside the page's memory, so that a plan of any size can be kept.

export interface CopyRecord {
    slot: string;
    fileName: string;
    time: number;
    text: Blob;
    // Kept after a download, which the page cannot see arrive.
    downloaded: boolean;
}

const kDatabase = 'orbelan';
const kCopies = 'copies';

function done<T>(request: IDBRequest<T>): Promise<T> {
    return new Promise((resolve, reject) => {
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
}

function isRecord(value: unknown): value is CopyRecord {
    const record = value as CopyRecord | null;
    return (
        typeof record === 'object' && record !== null && typeof record.slot === 'string' && typeof record.fileName === 'string' &&
        typeof record.time === 'number' && record.text instanceof Blob
    );
}

export class CopyStore {
    private constructor(private readonly db: IDBDatabase) {}

    // Null where the browser keeps no IndexedDB for the page.
    static async open(): Promise<CopyStore | null> {
        try {
            const request = indexedDB.open(kDatabase, 1);
            request.onupgradeneeded = () => request.result.createObjectStore(kCopies, { keyPath: 'slot' });
            return new CopyStore(await done(request));
        } catch {
            return null;
        }
    }

    async all(): Promise<CopyRecord[]> {
        const found: unknown[] = await done(this.db.transaction(kCopies).objectStore(kCopies).getAll());
        return found.filter(isRecord);
    }

    async get(slot: string): Promise<CopyRecord | null> {
        const found: unknown = await done(this.db.transaction(kCopies).objectStore(kCopies).get(slot));
        return isRecord(found) ? found : null;
    }

    // Written to the disk before it resolves: a browser killed next keeps it.
    async put(record: CopyRecord): Promise<void> {
        await this.change((store) => store.put(record));
    }

    async remove(slot: string): Promise<void> {
        await this.change((store) => store.delete(slot));
    }

    // The record of one slot moves to another, in one transaction, changed as given.
    async move(from: string, to: string, changes: Partial<CopyRecord> = {}): Promise<void> {
        const record = await this.get(from);
        if (!record) return;
        await this.change((store) => {
            store.delete(from);
            store.put({ ...record, ...changes, slot: to });
        });
    }

    private change(work: (store: IDBObjectStore) => void): Promise<void> {
        const transaction = this.db.transaction(kCopies, 'readwrite', { durability: 'strict' });
        work(transaction.objectStore(kCopies));
        // Sent at once: a page being left may not live to see its transaction end by itself.
        transaction.commit();
        return new Promise((resolve, reject) => {
            transaction.oncomplete = () => resolve();
            transaction.onerror = () => reject(transaction.error);
            transaction.onabort = () => reject(transaction.error ?? new Error('The copy was not written.'));
        });
    }
}
