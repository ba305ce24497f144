// Loads the browser edition's core into Node from the folder holding orbelan.js and orbelan.wasm.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';

export async function loadCore(folder) {
    const require = createRequire(import.meta.url);
    const factory = require(resolve(folder, 'orbelan.js'));
    // Node's fetch cannot read a file path, so the module gets its bytes directly.
    return factory({ wasmBinary: readFileSync(join(folder, 'orbelan.wasm')) });
}
