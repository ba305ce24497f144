// The copy of a plan's unsaved changes in the browser's storage, one per tab: a tab holds a
// lock under its own name for as long as it is open, so that a copy whose tab has gone is
// known to be left over and can be offered to the next tab that starts.
//
// A copy is its plan's text in parts (storedParts.ts), made from its items' texts a part at a
// time, and a small entry in the tab's slot that names them, written last, so that a copy is
// whole or not there. The text is written once the edits pause, a part a task, and at once
// when the page is hidden or left, so that the last edit is always kept and a large plan
// never holds the page while it is written.
import type { Plan } from './core';
import { planTextPieces } from './planText';
import { PartsWriting, type PartsPlace, readParts, removeParts } from './storedParts';

const kPrefix = 'orbelan.unsaved';
const kTabKey = 'orbelan.tab';
// The one copy that pages before tabs had their own copies kept.
const kSharedKey = kPrefix;
// Named so that the storage holds nothing of a copy that does not start with kPrefix.
const kPartsPrefix = `${kPrefix}-part.`;
// How long the edits pause before their copy is written.
const kPauseMs = 300;

export interface Kept {
    plan: Plan;
    fileName: string;
    time: number;
}

// A slot's entry: where its plan's text is, or, as pages before parts kept it, the plan.
type Entry = { fileName: string; time: number } & (PartsPlace | { plan: Plan });

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

function readEntry(key: string): Entry | null {
    try {
        const entry = JSON.parse(localStorage.getItem(key) ?? 'null') as Entry | null;
        if (!entry || typeof entry !== 'object' || typeof entry.fileName !== 'string' || typeof entry.time !== 'number') return null;
        if ('plan' in entry) return entry;
        const { parts, count } = entry;
        return typeof parts === 'string' && parts.startsWith(kPartsPrefix) && Number.isInteger(count) && count > 0 ? entry : null;
    } catch {
        return null;
    }
}

// Takes a slot's copy out of the storage, its parts with it.
function removeEntry(key: string): void {
    try {
        const entry = readEntry(key);
        localStorage.removeItem(key);
        if (entry && 'parts' in entry) removeParts(entry);
    } catch {
        // Gone with the storage.
    }
}

// The text of the plan an entry keeps; null when it is not whole.
function entryText(entry: Entry): string | null {
    return 'plan' in entry ? JSON.stringify(entry.plan) : readParts(entry);
}

export class KeptCopies {
    // Told whether the plan's last state is kept, once its copy is written or could not be.
    onKept: (kept: boolean) => void = () => {};
    // The state to write next, and the write under way.
    private pending: { plan: Plan; fileName: string } | null = null;
    private writing: { parts: PartsWriting; fileName: string } | null = null;
    private timer = 0;

    private constructor(private id: string) {
        const now = () => this.flush();
        window.addEventListener('pagehide', now);
        document.addEventListener('visibilitychange', () => document.visibilityState === 'hidden' && now());
    }

    // This tab's slot: the one it had before a reload, unless a duplicated tab took it along.
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
        return new KeptCopies(id);
    }

    private get key(): string {
        return `${kPrefix}.${this.id}`;
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
        while (this.pending || this.writing) if (!this.advance()) return;
    }

    discard(): void {
        clearTimeout(this.timer);
        this.pending = null;
        this.writing?.parts.abandon();
        this.writing = null;
        removeEntry(this.key);
    }

    // A part a task, the page answering in between.
    private work(): void {
        if (this.advance() && (this.pending || this.writing)) this.timer = window.setTimeout(() => this.work(), 0);
    }

    // One part of the copy written, or the copy finished; false when the storage refused it,
    // in which case no older copy is left behind to be offered in its place.
    private advance(): boolean {
        try {
            if (!this.writing) {
                const { plan, fileName } = this.pending!;
                this.pending = null;
                this.writing = { parts: new PartsWriting(`${kPartsPrefix}${this.id}.${newId()}`, planTextPieces(plan)), fileName };
            } else if (!this.writing.parts.done) {
                this.writing.parts.step();
            } else {
                const entry: Entry = { fileName: this.writing.fileName, time: Date.now(), ...this.writing.parts.place };
                const before = readEntry(this.key);
                localStorage.setItem(this.key, JSON.stringify(entry));
                this.writing = null;
                if (before && 'parts' in before) removeParts(before);
                // Marked in the page's timeline, where a measure of the page can wait for it.
                performance.mark('orbelan-copy-kept');
                this.onKept(true);
            }
            return true;
        } catch {
            this.pending = null;
            this.discard();
            this.onKept(false);
            return false;
        }
    }

    // The copy to offer when the page starts: this tab's own, else the newest one that no
    // open tab holds, whose plan check finds whole; with the answers to the offer.
    async offer(
        check: (text: string) => Promise<Plan | null | undefined>,
    ): Promise<{ kept: Kept; take(): void; drop(): void; later(): void } | null> {
        const live = new Set<string>();
        if (locks) for (const lock of (await locks.query()).held ?? []) if (lock.name) live.add(lock.name);
        let keys: string[] = [];
        try {
            keys = Object.keys(localStorage);
        } catch {
            return null;
        }
        const own = this.key;
        const tabOf = (key: string) => key.slice(kPrefix.length + 1);
        const orphaned = (key: string) => key === kSharedKey || !live.has(lockName(tabOf(key)));
        const slots = keys
            .filter((key) => key === kSharedKey || key.startsWith(`${kPrefix}.`))
            .map((key) => ({ key, entry: readEntry(key) }))
            .filter((slot): slot is { key: string; entry: Entry } => slot.entry !== null);
        if (locks) this.removeLeftParts(keys, slots, live);
        const found = slots
            .filter(({ key }) => key === own || (locks && orphaned(key)))
            .sort((a, b) => Number(b.key === own) - Number(a.key === own) || b.entry.time - a.entry.time);
        for (const { key, entry } of found) {
            const text = entryText(entry);
            const plan = text === null ? null : await check(text);
            if (!plan) continue;
            return {
                kept: { plan, fileName: entry.fileName, time: entry.time },
                // The copy becomes this tab's, which keeps it again with the plan's next change.
                take: () => {
                    if (key === own) return;
                    removeEntry(own);
                    try {
                        localStorage.setItem(own, localStorage.getItem(key) ?? '');
                        localStorage.removeItem(key);
                    } catch {
                        // It stays where it was until this tab's copy is written.
                    }
                },
                drop: () => removeEntry(key),
                // Left for later under a slot of no tab, so that this tab's changes do not replace it.
                later: () => {
                    if (key !== own) return;
                    try {
                        localStorage.setItem(`${kPrefix}.${newId()}`, localStorage.getItem(key) ?? '');
                        localStorage.removeItem(key);
                    } catch {
                        // It stays in this tab's slot until the plan changes.
                    }
                },
            };
        }
        return null;
    }

    // Parts that no slot names, written by a tab no longer open, were left by a write that
    // never finished.
    private removeLeftParts(keys: string[], slots: { entry: Entry }[], live: Set<string>): void {
        const named = new Set(slots.map(({ entry }) => ('parts' in entry ? entry.parts : '')));
        for (const key of keys) {
            if (!key.startsWith(kPartsPrefix)) continue;
            const [tab, write] = key.slice(kPartsPrefix.length).split('.');
            if (!live.has(lockName(tab)) && !named.has(`${kPartsPrefix}${tab}.${write}`)) localStorage.removeItem(key);
        }
    }
}
