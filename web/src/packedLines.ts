// Year Details' lines packed for the trip from the worker: a plan of many items has tens of
// thousands of lines a year, which as objects would take the page longer to receive than to
// show a screenful. Packed, they are one string and three buffers handed over whole, and the
// page reads a line only when it shows it.
import type { ExplanationLine } from './core';

export interface PackedLines {
    // The labels one after another; the line i's ends at ends[i].
    labels: string;
    ends: Uint32Array<ArrayBuffer>;
    // The depth, with kEmphasised added for an emphasised line.
    kinds: Uint8Array<ArrayBuffer>;
    // NaN for a line without an amount.
    amounts: Float64Array<ArrayBuffer>;
}

const kEmphasised = 0x80;

export function packLines(lines: ExplanationLine[]): PackedLines {
    const packed: PackedLines = {
        labels: lines.map((line) => line.label).join(''),
        ends: new Uint32Array(lines.length),
        kinds: new Uint8Array(lines.length),
        amounts: new Float64Array(lines.length),
    };
    let end = 0;
    lines.forEach((line, i) => {
        end += line.label.length;
        packed.ends[i] = end;
        packed.kinds[i] = line.depth + (line.emphasised ? kEmphasised : 0);
        packed.amounts[i] = line.amount ?? Number.NaN;
    });
    return packed;
}

export function lineCount(packed: PackedLines): number {
    return packed.ends.length;
}

export function lineAt(packed: PackedLines, i: number): ExplanationLine {
    const amount = packed.amounts[i];
    return {
        depth: packed.kinds[i] & ~kEmphasised,
        label: packed.labels.slice(i > 0 ? packed.ends[i - 1] : 0, packed.ends[i]),
        amount: Number.isNaN(amount) ? null : amount,
        emphasised: (packed.kinds[i] & kEmphasised) !== 0,
    };
}
