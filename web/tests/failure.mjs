// Imported first by every test that loads the core: an error that nothing caught is said in a
// few short lines, its message and stack, and the run ends with the status 1. Left to the core,
// whose module throws such an error again from its own handler, Node would print that module's
// source (one minified line of many kilobytes) and end with the status 7. Ending by exit also
// lets a browser test's exit handler end the Chromium it started.
import { basename } from 'node:path';

const kLines = 20;
const kLineLength = 300;
const kCauses = 3;

function described(error, depth = 0) {
    const text = error instanceof Error ? (error.stack ?? `${error.name}: ${error.message}`) : `thrown: ${String(error)}`;
    const lines = text
        .split('\n')
        .slice(0, kLines)
        .map((line) => (line.length > kLineLength ? `${line.slice(0, kLineLength)}...` : line))
        .join('\n');
    // puppeteer-core's "Waiting failed" says what failed only in its cause.
    return error instanceof Error && error.cause !== undefined && depth < kCauses
        ? `${lines}\ncaused by: ${described(error.cause, depth + 1)}`
        : lines;
}

function fail(error) {
    process.stderr.write(`${basename(process.argv[1])} failed: ${described(error)}\n`);
    process.exit(1);
}
// Before the core's handlers, which would throw again.
process.prependListener('uncaughtException', fail);
process.prependListener('unhandledRejection', fail);
