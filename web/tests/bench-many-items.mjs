// Not a test: how long a plan of many items takes to open and to project in the browser,
// beside orbelan-cli project on the same file. Usage: node bench-many-items.mjs SITE_DIR
// ORBELAN_CLI [ITEMS]
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { loadCore } from './load-core.mjs';
import { manyItemsPlan } from './many-items.mjs';
import { startSite } from './site.mjs';

const [siteDir, cli, items = '100000'] = process.argv.slice(2);
const site = await startSite(siteDir, cli, { protocolTimeout: 1800000 });
const core = await loadCore(siteDir);
const file = join(site.work, 'many.Orbe');
writeFileSync(file, core.planBytes(JSON.stringify(manyItemsPlan(core, Number(items)))));
const best = (times) => Math.min(...times).toFixed(0);
const cliTimes = [];
for (let n = 0; n < 3; ++n) {
    const start = performance.now();
    execFileSync(cli, ['project', file], { stdio: 'ignore' });
    cliTimes.push(performance.now() - start);
}
const { page } = await site.openPage();
const opened = performance.now();
await (await page.$('#open')).uploadFile(file);
await page.waitForFunction(() => document.title.startsWith('many.Orbe'), { timeout: 600000, polling: 1000 });
const openMs = performance.now() - opened;
const pageTimes = [];
for (let n = 0; n < 3; ++n) {
    await page.evaluate(() => performance.clearMeasures('orbelan-projection-shown'));
    await page.click('#calculate');
    await page.waitForFunction(() => performance.getEntriesByName('orbelan-projection-shown').length > 0, { timeout: 600000 });
    pageTimes.push(await page.evaluate(() => performance.getEntriesByName('orbelan-projection-shown')[0].duration));
}
console.log(`${Number(items).toLocaleString('en-US')} items: orbelan-cli project ${best(cliTimes)} ms; ` +
    `the page opens the file in ${openMs.toFixed(0)} ms and calculates to its table in ${best(pageTimes)} ms ` +
    `(${(Math.min(...pageTimes) / Math.min(...cliTimes)).toFixed(1)}x)`);
console.log(site.failures.join('\n'));
await site.close();
