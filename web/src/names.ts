// Item names are stored as bytes: UTF-8 when typed in, anything in older files. They show by
// the core's one rule for every edition, and a name the user leaves as it was shown keeps its
// bytes.
import type { Core } from './core';

export function nameForDisplay(core: Core, stored: string): string {
    return core.displayName(stored);
}

export function nameFromEdit(core: Core, text: string, stored: string): string {
    if (text === nameForDisplay(core, stored)) return stored;
    let bytes = '';
    for (const byte of new TextEncoder().encode(text)) bytes += String.fromCharCode(byte);
    return bytes;
}
