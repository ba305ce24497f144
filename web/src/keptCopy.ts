// The copy of a plan's unsaved changes in the browser's storage, one per tab: a tab holds a
// lock under its own name for as long as it is open, so that a copy whose tab has gone is
// known to be left over and can be offered to the next tab that starts.
import { isPlan, type Plan, planText } from './core';

const kPrefix = 'orbelan.unsaved';
const kTabKey = 'orbelan.tab';
// The one copy that pages before tabs had their own copies kept.
const kSharedKey = kPrefix;

export interface Kept {
    plan: Plan;
    fileName: string;
    time: number;
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

function read(key: string): Kept | null {
    try {
        const kept = JSON.parse(localStorage.getItem(key) ?? 'null') as Kept | null;
        return kept && isPlan(kept.plan) && typeof kept.fileName === 'string' ? kept : null;
    } catch {
        return null;
    }
}

export class KeptCopies {
    private constructor(private id: string) {}

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

    // Keeps the copy in this tab's slot; false when the storage cannot take it, in which
    // case no older copy is left behind to be offered in its place.
    keep(kept: Omit<Kept, 'time'>): boolean {
        try {
            const fileName = JSON.stringify(kept.fileName);
            localStorage.setItem(this.key, `{"plan":${planText(kept.plan)},"fileName":${fileName},"time":${Date.now()}}`);
            return true;
        } catch {
            this.discard();
            return false;
        }
    }

    discard(): void {
        try {
            localStorage.removeItem(this.key);
        } catch {
            // Storage turned off: nothing was kept.
        }
    }

    // The copy to offer when the page starts: this tab's own, else the newest one that no
    // open tab holds; with the answers to the offer.
    async offer(): Promise<{ kept: Kept; take(): void; drop(): void; later(): void } | null> {
        const live = new Set<string>();
        if (locks) for (const lock of (await locks.query()).held ?? []) if (lock.name) live.add(lock.name);
        let keys: string[] = [];
        try {
            keys = Object.keys(localStorage).filter((key) => key === kSharedKey || key.startsWith(`${kPrefix}.`));
        } catch {
            return null;
        }
        const own = this.key;
        const orphaned = (key: string) => key === kSharedKey || !live.has(lockName(key.slice(kPrefix.length + 1)));
        const found = keys
            .filter((key) => key === own || (locks && orphaned(key)))
            .map((key) => ({ key, kept: read(key) }))
            .filter((entry): entry is { key: string; kept: Kept } => entry.kept !== null)
            .sort((a, b) => Number(b.key === own) - Number(a.key === own) || b.kept.time - a.kept.time);
        if (found.length === 0) return null;
        const { key, kept } = found[0];
        const remove = () => {
            try {
                localStorage.removeItem(key);
            } catch {
                // Gone with the storage.
            }
        };
        return {
            kept,
            // The copy becomes this tab's, kept again under its slot with the plan's next change.
            take: () => {
                if (key !== own) remove();
            },
            drop: remove,
            // Left for later under a slot of no tab, so that this tab's changes do not replace it.
            later: () => {
                if (key !== own) return;
                try {
                    localStorage.setItem(`${kPrefix}.${newId()}`, localStorage.getItem(key) ?? '');
                    remove();
                } catch {
                    // It stays in this tab's slot until the plan changes.
                }
            },
        };
    }
}
