// A long text made into a Blob a part at a time, each part in a task of its own, so that
// keeping a plan of many items never holds the page for long: the Blob is made of the parts'
// Blobs, which the browser joins without the page copying them again.

// About a quarter of a million characters a part: a millisecond or two to make.
export const kPartChars = 1 << 18;

export class PartsWriting {
    private readonly parts: Blob[] = [];
    private next: IteratorResult<string>;

    constructor(private readonly pieces: Iterator<string>) {
        this.next = pieces.next();
    }

    get done(): boolean {
        return this.next.done === true;
    }

    // The text whole, once done.
    get blob(): Blob {
        return new Blob(this.parts, { type: 'application/json' });
    }

    step(): void {
        const part: string[] = [];
        let length = 0;
        while (!this.next.done && length < kPartChars) {
            part.push(this.next.value);
            length += this.next.value.length;
            this.next = this.pieces.next();
        }
        this.parts.push(new Blob(part));
    }

    // The parts left, made at once.
    finish(): void {
        while (!this.done) this.step();
    }
}
