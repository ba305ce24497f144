// What the browser tests share: the site served from its folder as any static server would,
// one headless Chromium driven by puppeteer-core, a fresh page in a storage of its own that
// fails the run on any request leaving the origin or any script error, and small helpers.
import { execFile } from 'node:child_process';
import { createServer } from 'node:http';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { promisify } from 'node:util';
import { createRequire } from 'node:module';
import puppeteer from 'puppeteer-core';

const run = promisify(execFile);
// How long a wait for the page may take: a worker's answer or a download on a busy machine
// can take many times what it takes alone.
const kWaitMs = 120000;
const types = {
    '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// protocolTimeout: how long one step in the page may take, longer for benchmarks.
export async function startSite(siteDir, cli, { protocolTimeout = 180000 } = {}) {
    const work = mkdtempSync(join(tmpdir(), 'orbelan-browser-'));
    const failures = [];
    // While the server is down, a connection is dropped as a network gone drops it.
    let down = false;
    // Files served in place of the site's, by path: a build after the one in the folder.
    const replaced = new Map();
    const server = createServer((request, response) => {
        if (down) {
            request.socket.destroy();
            return;
        }
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        const file = join(siteDir, path === '/' ? 'index.html' : path);
        try {
            const body = replaced.get(path) ?? readFileSync(file);
            response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const origin = `http://127.0.0.1:${server.address().port}`;
    const browser = await puppeteer.launch({
        executablePath: '/usr/bin/chromium',
        headless: true,
        protocolTimeout,
        args: [
            '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            `--user-data-dir=${join(work, 'profile')}`,
        ],
    });
    // A run that fails by an exception still ends its browser: Chromium and its helpers, the
    // process group that puppeteer started it in.
    const chromium = browser.process()?.pid;
    process.on('exit', () => {
        try {
            if (chromium) process.kill(-chromium, 'SIGKILL');
        } catch {
            // Already ended.
        }
    });
    const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    const downloads = join(work, 'downloads');

    const site = {
        work,
        downloads,
        failures,
        origin,
        expect(ok, what) {
            if (!ok) failures.push(what);
        },
        // Serves the text given at the path ("/page.css") in place of the site's file.
        replaceFile(path, text) {
            replaced.set(path, Buffer.from(text));
        },
        // The network gone (true) or back.
        serverDown(isDown) {
            down = isDown;
            if (down) server.closeAllConnections();
        },
        // A storage of its own, so that no case sees another's kept copies; downloads land
        // in a folder of the test, or are refused as a browser's settings may refuse them.
        newContext(downloadPolicy = 'allow') {
            return browser.createBrowserContext({ downloadBehavior: { policy: downloadPolicy, downloadPath: downloads } });
        },
        async openPage({ context, width = 1200, height = 900, dark = false } = {}) {
            const page = await (context ?? (await site.newContext())).newPage();
            page.setDefaultTimeout(kWaitMs);
            await page.setViewport({ width, height });
            if (dark) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
            // Every request is held and let through, or refused, on the page's own session:
            // Chromium asks there for its workers' requests too, which puppeteer-core 24's
            // interception would answer on the worker's session, where they wait for ever.
            // Late answers to a page being closed are of no interest.
            await page.setCacheEnabled(false);
            const requests = await page.createCDPSession();
            requests.on('Fetch.requestPaused', ({ requestId, request: { url } }) => {
                if (url.startsWith(origin + '/') || url.startsWith('data:') || url.startsWith('blob:')) {
                    requests.send('Fetch.continueRequest', { requestId }).catch(() => {});
                } else {
                    failures.push(`request outside the origin: ${url}`);
                    requests.send('Fetch.failRequest', { requestId, errorReason: 'BlockedByClient' }).catch(() => {});
                }
            });
            await requests.send('Fetch.enable', { patterns: [{ urlPattern: '*' }] });
            // The warning before leaving with unsaved changes is counted and let through.
            page.beforeUnloadWarnings = 0;
            page.on('dialog', (dialog) => {
                if (dialog.type() === 'beforeunload') ++page.beforeUnloadWarnings;
                else failures.push(`a ${dialog.type()} dialog: ${dialog.message()}`);
                void dialog.accept();
            });
            page.on('pageerror', (error) => failures.push(`page error: ${error.message}`));
            page.on('console', (message) => {
                if (message.type() === 'error') failures.push(`console error: ${message.text()}`);
            });
            // The save picker is left out so that saves download, as in browsers without the
            // File System Access API.
            await page.evaluateOnNewDocument(() => delete window.showSaveFilePicker);
            const start = Date.now();
            await page.goto(origin + '/', { waitUntil: 'load' });
            await site.ready(page);
            return { page, start };
        },
        // The page started and has looked for unsaved changes to offer.
        async ready(page) {
            await page.waitForSelector('#app:not([aria-busy])');
            await page.waitForFunction(() => performance.getEntriesByName('orbelan-offer-checked').length > 0);
        },
        async reload(page) {
            await page.reload({ waitUntil: 'load' });
            await site.ready(page);
        },
        // Waits until the condition holds in the page, or gives up after a while, leaving the
        // check that follows to say what it found.
        async settled(page, condition, ...args) {
            await page.waitForFunction(condition, {}, ...args).catch(() => {});
        },
        // The path of a download of that name, once the browser has written it whole (it writes
        // to another name first), or null after a while.
        async downloaded(name) {
            const file = join(downloads, name);
            for (const deadline = Date.now() + kWaitMs; !existsSync(file); await new Promise((resolve) => setTimeout(resolve, 50)))
                if (Date.now() > deadline) return null;
            return file;
        },
        async cliOutput(...args) {
            try {
                const { stdout, stderr } = await run(cli, args);
                return { stdout, stderr };
            } catch (error) {
                return { stdout: error.stdout, stderr: error.stderr };
            }
        },
        async messageShown(page) {
            await page.waitForSelector('#message[open]');
            const text = await page.$eval('#message-text', (e) => e.textContent);
            await page.keyboard.press('Enter');
            await page.waitForSelector('#message:not([open])');
            return text;
        },
        // The offer of unsaved changes, answered by the key given and acted on.
        async questionAnswered(page, key) {
            await page.waitForSelector('#question[open]');
            const text = await page.$eval('#question-text', (e) => e.textContent);
            await page.keyboard.press(key);
            await page.waitForFunction(() => performance.getEntriesByName('orbelan-offer-answered').length > 0);
            return text;
        },
        // The table's rows as orbelan-cli's CSV has them: the amounts without the locale's grouping.
        async tableRows(page) {
            return page.$$eval('#projection tr', (rows) =>
                rows.map((row) => [...row.children].map((cell) => cell.textContent.replaceAll(',', '')).join(',')),
            );
        },
        // Presses Tab until the element has the focus.
        async tabTo(page, id) {
            for (let n = 0; n < 300; ++n) {
                if (await page.evaluate((want) => document.activeElement?.id === want, id)) return;
                await page.keyboard.press('Tab');
            }
            throw new Error(`#${id} cannot be reached by Tab`);
        },
        // Types into the field, replacing its text, and leaves it there.
        async typeInto(page, id, text) {
            await page.focus(`#${id}`);
            await page.$eval(`#${id}`, (input) => input.select());
            await page.keyboard.type(text);
        },
        async axe(page, view) {
            await page.evaluate(axeSource);
            const result = await page.evaluate(() => window.axe.run(document));
            for (const violation of result.violations)
                failures.push(`axe, ${view}: ${violation.id}: ${violation.help} (${violation.nodes.map((n) => n.target).join(' ')})`);
        },
        async close() {
            await browser.close();
            server.close();
        },
    };
    return site;
}
