// The copies of plans' unsaved changes in the browser's storage (copyStore.ts), one per tab:
// a tab holds a lock under its own name for as long as it is open, so that a copy whose tab
// has gone is known to be left over, and is offered to the next tab that starts and listed
// with the others by Recover.
//
// A copy is written once the edits pause, its text made a part a task (storedParts.ts), and
// at once when the page is hidden or left, so that the last edit is kept and a large plan
// never holds the page while it is made. The writes and moves of the store go one after
// another, in the order they were asked for.
import type { Plan } from './core';
import { type CopyRecord, CopyStore } from './copyStore';
import { moveLegacyCopies } from './legacyCopies';
import { planTextPieces } from './planText';
import { PartsWriting } from './storedParts';

const kTabKey = 'orbelan.tab';
const kPersistAskedKey = 'orbelan.persist-asked';
// How long the page waits before it writes an edit's copy: an edit is a value confirmed, not
// a key pressed, so the copy is started at once; a browser killed right after an edit, or a
// page left then, may not live to see a write started later end.
const kPauseMs = 0;
// How long a task makes parts of a copy: far below what a person notices.
const kSliceMs = 8;

export interface Kept {
    plan: Plan;
    fileName: string;
    time: number;
}

// A copy that no open tab holds, as Recover lists it.
export interface KeptSummary {
    slot: string;
    fileName: string;
    time: number;
    downloaded: boolean;
}

interface LockManager {
    request(name: string, options: { ifAvailable: boolean }, use: (lock: unknown) => Promise<void> | void): Promise<void>;
    query(): Promise<{ held?: { name?: string }[] }>;
}

const locks = (navigator as unknown as { locks?: LockManager }).locks;

function newId(): string {
    return [...crypto.getRandomValues(new Uint32Array(2))].map((n) => n.toString(36)).join('');
}

function lockName(id: string): string {
    return `orbelan.tab.${id}`;
}

// Holds the tab's lock while the page lives; false when another tab holds it already.
function hold(id: string): Promise<boolean> {
    if (!locks) return Promise.resolve(true);
    return new Promise((resolve) => {
        void locks.request(lockName(id), { ifAvailable: true }, (lock) => {
            resolve(lock !== null);
            return lock ? new Promise<void>(() => {}) : undefined;
        });
    });
}

// The tabs open now, by their ids.
async function liveTabs(): Promise<Set<string>> {
    const live = new Set<string>();
    if (locks) for (const lock of (await locks.query()).held ?? []) if (lock.name?.startsWith('orbelan.tab.')) live.add(lock.name.slice(12));
    return live;
}

// Asked once, when the first copy is kept: a browser may then keep the copies when its
// storage runs short.
function askToPersist(): void {
    try {
        if (localStorage.getItem(kPersistAskedKey)) return;
        localStorage.setItem(kPersistAskedKey, '1');
    } catch {
        return;
    }
    void navigator.storage?.persist?.().catch(() => false);
}

export class KeptCopies {
    // Told whether the plan's last state is kept, once its copy is written or could not be.
    onKept: (kept: boolean) => void = () => {};
    // The state to write next, and the write under way.
    private pending: { plan: Plan; fileName: string } | null = null;
    private writing: { parts: PartsWriting; fileName: string } | null = null;
    private timer = 0;
    // The store's work, one after another.
    private queue: Promise<unknown> = Promise.resolve();

    private constructor(
        private readonly id: string,
        private readonly store: CopyStore | null,
    ) {
        const now = () => this.flush();
        window.addEventListener('pagehide', now);
        document.addEventListener('visibilitychange', () => document.visibilityState === 'hidden' && now());
    }

    // This tab's slot: the one it had before a reload, unless a duplicated tab took it along.
    // The copies that pages before kept in local storage move to the store first.
    static async open(): Promise<KeptCopies> {
        let id: string | null = null;
        try {
            id = sessionStorage.getItem(kTabKey);
        } catch {
            // No session storage: a new slot for each visit.
        }
        if (!id || !(await hold(id))) {
            id = newId();
            await hold(id);
            try {
                sessionStorage.setItem(kTabKey, id);
            } catch {
                // The slot holds for this visit.
            }
        }
        const store = await CopyStore.open();
        if (store && locks) {
            const live = await liveTabs();
            await moveLegacyCopies(
                (tab) => live.has(tab),
                ({ fileName, time, text }) => store.put({ slot: newId(), fileName, time, text: new Blob([text]), downloaded: false }),
            ).catch(() => {});
        }
        return new KeptCopies(id, store);
    }

    // Keeps the plan in this tab's slot once the edits pause; onKept says whether it could.
    keep(kept: Omit<Kept, 'time'>): void {
        this.pending = kept;
        if (this.writing) return;
        clearTimeout(this.timer);
        this.timer = window.setTimeout(() => this.work(), kPauseMs);
    }

    // Writes what is left to write at once.
    flush(): void {
        clearTimeout(this.timer);
        if (this.writing) {
            this.writing.parts.finish();
            this.finishWrite();
        }
        if (this.pending) {
            this.startWrite();
            this.writing!.parts.finish();
            this.finishWrite();
        }
    }

    // This tab's copy is given up.
    discard(): Promise<void> {
        clearTimeout(this.timer);
        this.pending = null;
        this.writing = null;
        return this.queued((store) => store.remove(this.id));
    }

    // This tab's copy, written whole first, moves to a slot of no tab, where Recover lists it
    // and the next visit offers it; the plan that comes next keeps its own.
    setAside(downloaded: boolean): Promise<void> {
        this.flush();
        return this.queued((store) => store.move(this.id, newId(), { downloaded }));
    }

    // The copies no open tab holds, newest first.
    async list(): Promise<KeptSummary[]> {
        const live = await liveTabs();
        const records = (await this.queued((store) => store.all())) ?? [];
        return records
            .filter((record) => record.slot !== this.id && (!locks || !live.has(record.slot)))
            .sort((a, b) => b.time - a.time)
            .map(({ slot, fileName, time, downloaded }) => ({ slot, fileName, time, downloaded }));
    }

    // The plan of a copy listed, checked by check; null when it is not whole or is gone.
    async read(slot: string, check: (text: string) => Promise<Plan | null | undefined>): Promise<Kept | null> {
        const record = await this.queued((store) => store.get(slot));
        if (!record) return null;
        const text = await record.text.text().catch(() => null);
        const plan = text === null ? null : await check(text);
        return plan ? { plan, fileName: record.fileName, time: record.time } : null;
    }

    // A copy listed becomes this tab's, which keeps it again with the plan's next change.
    take(slot: string): Promise<void> {
        if (slot === this.id) return Promise.resolve();
        this.pending = null;
        this.writing = null;
        clearTimeout(this.timer);
        return this.queued(async (store) => {
            await store.remove(this.id);
            await store.move(slot, this.id, { downloaded: false });
        });
    }

    drop(slot: string): Promise<void> {
        return this.queued((store) => store.remove(slot));
    }

    // The copies kept after a download whose text is the text given: a file opened that holds
    // them, so that they keep nothing more.
    dropDownloaded(text: string): Promise<void> {
        const size = new Blob([text]).size;
        return this.queued(async (store) => {
            for (const record of await store.all())
                if (record.downloaded && record.text.size === size && (await record.text.text()) === text) await store.remove(record.slot);
        });
    }

    // The copy to offer when the page starts: this tab's own, else the newest one that no
    // open tab holds, whose plan check finds whole; with the answers to the offer.
    async offer(
        check: (text: string) => Promise<Plan | null | undefined>,
    ): Promise<{ kept: Kept; take(): Promise<void>; drop(): Promise<void>; later(): Promise<void> } | null> {
        const own = await this.queued((store) => store.get(this.id));
        const found = [...(own ? [own.slot] : []), ...(locks ? (await this.list()).map((copy) => copy.slot) : [])];
        for (const slot of found) {
            const kept = await this.read(slot, check);
            if (!kept) continue;
            return {
                kept,
                take: () => this.take(slot),
                drop: () => this.drop(slot),
                // Left for later under a slot of no tab, so that this tab's changes do not replace it.
                later: () => (slot === this.id ? this.queued((store) => store.move(slot, newId())) : Promise.resolve()),
            };
        }
        return null;
    }

    // Runs the store's work after the work asked before; undefined without a store or when
    // the store refused it.
    private queued<T>(work: (store: CopyStore) => Promise<T>): Promise<T | undefined> {
        const store = this.store;
        const next = this.queue.then(() => (store ? work(store) : undefined)).catch(() => undefined);
        this.queue = next;
        return next;
    }

    // Parts for a few milliseconds a task, the page answering in between, then the copy written.
    private work(): void {
        if (!this.writing) {
            if (!this.pending) return;
            this.startWrite();
        }
        const writing = this.writing!;
        const started = performance.now();
        while (!writing.parts.done && performance.now() - started < kSliceMs) writing.parts.step();
        if (writing.parts.done) this.finishWrite();
        if (this.pending || this.writing) this.timer = window.setTimeout(() => this.work(), 0);
    }

    private startWrite(): void {
        const { plan, fileName } = this.pending!;
        this.pending = null;
        this.writing = { parts: new PartsWriting(planTextPieces(plan)), fileName };
    }

    // A store that refuses the copy leaves no older copy behind to be offered in its place.
    private finishWrite(): void {
        const { parts, fileName } = this.writing!;
        this.writing = null;
        const record: CopyRecord = { slot: this.id, fileName, time: Date.now(), text: parts.blob, downloaded: false };
        const store = this.store;
        const written = this.queue.then(() => {
            if (!store) throw new Error('No storage');
            return store.put(record);
        });
        this.queue = written.then(
            () => {
                // Marked in the page's timeline, where a measure of the page can wait for it.
                performance.mark('orbelan-copy-kept');
                askToPersist();
                this.onKept(true);
            },
            () => {
                this.pending = null;
                this.writing = null;
                void this.discard();
                this.onKept(false);
            },
        );
    }
}
