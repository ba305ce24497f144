// Item names are stored as bytes: UTF-8 when typed in, anything in older files. They show as
// UTF-8 when they are, else as Windows-1252, and a name the user leaves as it was shown keeps
// its bytes.

const utf8 = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
const windows1252 = new TextDecoder('windows-1252');

function bytesOf(stored: string): Uint8Array {
    return Uint8Array.from(stored, (c) => c.charCodeAt(0));
}

export function nameForDisplay(stored: string): string {
    const bytes = bytesOf(stored);
    try {
        return utf8.decode(bytes);
    } catch {
        return windows1252.decode(bytes);
    }
}

export function nameFromEdit(text: string, stored: string): string {
    if (text === nameForDisplay(stored)) return stored;
    return String.fromCharCode(...new TextEncoder().encode(text));
}
