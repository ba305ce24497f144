// The copies that earlier pages kept in local storage: an entry a tab ("orbelan.unsaved.ID",
// or "orbelan.unsaved" before tabs had their own), naming its plan's text in numbered parts,
// or holding the plan itself. Each is read once, handed over, and taken out of local storage.

const kPrefix = 'orbelan.unsaved';
const kPartsPrefix = `${kPrefix}-part.`;

export interface LegacyCopy {
    fileName: string;
    time: number;
    text: string;
}

type Entry = { fileName: string; time: number } & ({ parts: string; count: number } | { plan: object });

function readEntry(key: string): Entry | null {
    try {
        const entry = JSON.parse(localStorage.getItem(key) ?? 'null') as Entry | null;
        if (!entry || typeof entry !== 'object' || typeof entry.fileName !== 'string' || typeof entry.time !== 'number') return null;
        if ('plan' in entry) return typeof entry.plan === 'object' && entry.plan !== null ? entry : null;
        const { parts, count } = entry;
        return typeof parts === 'string' && parts.startsWith(kPartsPrefix) && Number.isInteger(count) && count > 0 ? entry : null;
    } catch {
        return null;
    }
}

function entryText(entry: Entry): string | null {
    if ('plan' in entry) return JSON.stringify(entry.plan);
    const parts: string[] = [];
    for (let i = 0; i < entry.count; ++i) {
        const part = localStorage.getItem(`${entry.parts}.${i}`);
        if (part === null) return null;
        parts.push(part);
    }
    return parts.join('');
}

// The copies of tabs no longer open (live says whether a tab's id is held), and of the
// copy of before tabs; hand resolves once one is stored elsewhere, and only then is it
// removed here, its parts with it, and the parts of its tab's unfinished writes.
export async function moveLegacyCopies(live: (tab: string) => boolean, hand: (copy: LegacyCopy) => Promise<void>): Promise<void> {
    let keys: string[];
    try {
        keys = Object.keys(localStorage);
    } catch {
        return;
    }
    const tabOf = (key: string) => (key === kPrefix ? '' : key.slice(kPrefix.length + 1));
    for (const key of keys) {
        if (key !== kPrefix && !key.startsWith(`${kPrefix}.`)) continue;
        const tab = tabOf(key);
        if (tab && live(tab)) continue;
        const entry = readEntry(key);
        const text = entry && entryText(entry);
        if (entry && text !== null) await hand({ fileName: entry.fileName, time: entry.time, text });
        localStorage.removeItem(key);
    }
    for (const key of keys) {
        if (!key.startsWith(kPartsPrefix)) continue;
        const tab = key.slice(kPartsPrefix.length).split('.')[0];
        if (!live(tab)) localStorage.removeItem(key);
    }
}
