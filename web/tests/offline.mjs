// The page as an installed, offline program: Chromium finds it installable; after the first
// visit every file of the site is stored, and with the server gone a reload still opens and
// calculates the example, its table and its risk answer as orbelan-cli gives them, and shows
// the help; a file
// never stored is said to be missing, not taken for a lack of memory; a new build's files
// replace the old ones at the next visit.
import { readdirSync } from 'node:fs';
import { join } from 'node:path';

const examples = join(new URL('.', import.meta.url).pathname, '..', '..', 'examples');

export async function checkOffline(site, siteDir) {
    const { expect, openPage, cliOutput, tableRows, messageShown } = site;
    const { page } = await openPage();
    const stored = () =>
        page.evaluate(async () => {
            await navigator.serviceWorker.ready;
            const names = (await caches.keys()).filter((name) => name.startsWith('orbelan-site-'));
            const files = names.length === 1 ? await (await caches.open(names[0])).keys() : [];
            return { names, files: files.map((request) => new URL(request.url).pathname).sort() };
        });
    const first = await stored();
    const files = ['/', '/coreWorker.js', '/household.Orbe', '/icon-192.png', '/icon-512.png', '/index.html', '/manifest.webmanifest',
        '/orbelan.js', '/orbelan.svg', '/orbelan.wasm', '/page.css', '/page.js', '/riskWorker.js',
        ...readdirSync(join(siteDir, 'help')).map((file) => `/help/${file}`)].sort();
    expect(first.names.length === 1 && first.files.join(' ') === files.join(' '),
        `after the first visit the site's store is ${first.names.join(', ')} with ${first.files.join(' ')}`);
    // Installed from a profile's own storage: Chromium installs nothing from the private ones
    // that the other checks use.
    const installing = await page.browser().defaultBrowserContext().newPage();
    await installing.goto(`${site.origin}/`);
    await installing.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await installing.createCDPSession();
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    expect(installabilityErrors.length === 0, `Chromium cannot install the page: ${JSON.stringify(installabilityErrors)}`);
    const { errors } = await cdp.send('Page.getAppManifest');
    expect(errors.length === 0, `the manifest has errors: ${JSON.stringify(errors)}`);
    await installing.close();

    site.serverDown(true);
    await site.reload(page);
    await page.click('#example');
    await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
    await page.click('#calculate');
    await page.waitForSelector('#projection tbody tr');
    const example = join(examples, 'household.Orbe');
    const csv = (await cliOutput('project', '--csv', example)).stdout;
    expect((await tableRows(page)).join('\n') + '\n' === csv, 'offline, the example table differs from orbelan-cli project --csv');
    await page.click('#tab-risk');
    await page.waitForFunction(() => document.getElementById('risk-answer').textContent.includes(' paths: '));
    const said = await page.$eval('#risk-answer', (e) => e.textContent);
    const chance = (await cliOutput('risk', example)).stdout.split('\n')[0];
    expect(said === chance, `offline, the risk view says "${said}", orbelan-cli "${chance}"`);
    await page.click('#help-open');
    await page.waitForFunction(() => document.getElementById('help-title').textContent !== 'Orbelan Help' ||
        document.getElementById('help-page').textContent !== '');
    const helpShown = await page.$eval('#help-page', (e) => e.textContent);
    expect(!helpShown.includes('could not be read') && helpShown.length > 100, `offline, the help shows ${helpShown.slice(0, 80)}`);
    await page.click('#help-close');

    // A store without the risk worker's file, offline: the run says the file is missing.
    const forget = (file) =>
        page.evaluate(async (path) => {
            const [name] = (await caches.keys()).filter((n) => n.startsWith('orbelan-site-'));
            await (await caches.open(name)).delete(path);
        }, file);
    await forget('riskWorker.js');
    await site.reload(page);
    await page.click('#example');
    await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
    await page.click('#calculate');
    await page.waitForSelector('#projection tbody tr');
    await page.click('#tab-risk');
    await site.settled(page, () => document.getElementById('risk-answer').textContent.includes('could not be loaded'));
    const missing = await page.$eval('#risk-answer', (e) => e.textContent);
    expect(missing === 'riskWorker.js could not be loaded: the page is offline and this part was never stored.',
        `offline without the risk worker stored, the risk view says "${missing}"`);
    // The example, fetched by Try the example, likewise.
    await forget('household.Orbe');
    await page.click('#example');
    const notFetched = await messageShown(page);
    expect(notFetched === 'household.Orbe could not be loaded: the page is offline and this part was never stored.',
        `offline without the example stored, Try the example says "${notFetched}"`);
    // The page's own failures of loading are logged by the browser as errors; they are the
    // point of these two checks.
    site.failures.splice(0, site.failures.length, ...site.failures.filter((failure) => !failure.startsWith('console error: Failed to load')));

    // A new build: the next visit stores its files in a store of their own, the old one gone.
    site.serverDown(false);
    site.replaceFile('/page.css', `${await (await fetch(`${site.origin}/page.css`)).text()}\n/* the next build */\n`);
    const worker = await (await fetch(`${site.origin}/sw.js`)).text();
    site.replaceFile('/sw.js', worker.replace(/orbelan-site-[0-9a-f]{16}/g, 'orbelan-site-0123456789abcdef'));
    await page.evaluate(async () => {
        const registration = await navigator.serviceWorker.ready;
        await registration.update();
    });
    await site.settled(page, async () => (await caches.keys()).filter((name) => name.startsWith('orbelan-site-')).join() === 'orbelan-site-0123456789abcdef');
    await site.reload(page);
    const after = await stored();
    const css = await page.evaluate(async () => (await fetch('page.css')).text());
    expect(after.names.join() === 'orbelan-site-0123456789abcdef' && css.endsWith('/* the next build */\n'),
        `after a new build the site's stores are ${after.names.join(', ')}, its page.css ${css.endsWith('build */\n') ? 'new' : 'old'}`);
    await page.close();
}
