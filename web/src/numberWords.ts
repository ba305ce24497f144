// The numbers inside the core's sentences, written for the page's locale: the words are the
// core's, the digits the browser's.
import type { NumberWords } from './core';

export const pageNumbers: NumberWords = {
    whole: (number) => number.toLocaleString(),
    tenths: (tenths) => (tenths / 10).toLocaleString(undefined, { minimumFractionDigits: 1, maximumFractionDigits: 1 }),
};
