// A long text in the browser's storage as numbered parts under one name, so that writing it
// can go a part at a time, each in a task of its own, and never hold the page for long.

// About a quarter of a million characters a part: a millisecond or two to store.
export const kPartChars = 1 << 18;

// Where a text's parts are and how many there are.
export interface PartsPlace {
    parts: string;
    count: number;
}

function partKey(place: PartsPlace, index: number): string {
    return `${place.parts}.${index}`;
}

// Writes a text given in pieces as parts under the name given, one a step; a step that the
// storage refuses throws, as localStorage does.
export class PartsWriting {
    private written = 0;
    private next: IteratorResult<string>;

    constructor(
        private readonly parts: string,
        private readonly pieces: Iterator<string>,
    ) {
        this.next = pieces.next();
    }

    get done(): boolean {
        return this.next.done === true && this.written > 0;
    }

    // Where the parts are, once done.
    get place(): PartsPlace {
        return { parts: this.parts, count: this.written };
    }

    step(): void {
        const part: string[] = [];
        let length = 0;
        while (!this.next.done && length < kPartChars) {
            part.push(this.next.value);
            length += this.next.value.length;
            this.next = this.pieces.next();
        }
        localStorage.setItem(partKey(this.place, this.written), part.join(''));
        ++this.written;
    }

    // Takes back the parts written so far.
    abandon(): void {
        removeParts(this.place);
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
