// A long text in the browser's storage as numbered parts under one name, so that writing it
// can go a part at a time, each in a task of its own, and never hold the page for long.

// A quarter of a million characters a part: a millisecond or two to store.
export const kPartChars = 1 << 18;

// Where a text's parts are and how many there are.
export interface PartsPlace {
    parts: string;
    count: number;
}

function partKey(place: PartsPlace, index: number): string {
    return `${place.parts}.${index}`;
}

// Writes the text's parts under the name given, one a step; a step that the storage refuses
// throws, as localStorage does.
export class PartsWriting {
    readonly place: PartsPlace;
    private written = 0;

    constructor(
        parts: string,
        private readonly text: string,
    ) {
        this.place = { parts, count: Math.max(1, Math.ceil(text.length / kPartChars)) };
    }

    get done(): boolean {
        return this.written === this.place.count;
    }

    step(): void {
        const start = this.written * kPartChars;
        localStorage.setItem(partKey(this.place, this.written), this.text.slice(start, start + kPartChars));
        ++this.written;
    }

    // Takes back the parts written so far.
    abandon(): void {
        removeParts({ parts: this.place.parts, count: this.written });
    }
}

// The text again; null when a part is missing.
export function readParts(place: PartsPlace): string | null {
    const parts: string[] = [];
    for (let i = 0; i < place.count; ++i) {
        const part = localStorage.getItem(partKey(place, i));
        if (part === null) return null;
        parts.push(part);
    }
    return parts.join('');
}

export function removeParts(place: PartsPlace): void {
    for (let i = 0; i < place.count; ++i) localStorage.removeItem(partKey(place, i));
}
