// Not a test: what a plan of many items costs the page, beside orbelan-cli project on the same
// file. Prints a table of each step a user takes (opening the file, Calculate, an edit, Undo,
// a What If slider step, each view, saving) with the time to its answer and the page thread's
// longest task and tasks over 50 ms meanwhile, then Calculate against the CLI.
// Usage: node bench-many-items.mjs SITE_DIR ORBELAN_CLI [ITEMS]
import { execFileSync } from 'node:child_process';
import { loadavg } from 'node:os';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { loadCore } from './load-core.mjs';
import { manyItemsPlan } from './many-items.mjs';
import { startSite } from './site.mjs';
import { stepsOfAUser, watchTasks } from './steps.mjs';

const [siteDir, cli, items = '100000'] = process.argv.slice(2);
const site = await startSite(siteDir, cli, { protocolTimeout: 1800000 });
const core = await loadCore(siteDir);
const file = join(site.work, 'many.Orbe');
writeFileSync(file, core.planBytes(JSON.stringify(manyItemsPlan(core, Number(items)))));
const cliTimes = [];
for (let n = 0; n < 3; ++n) {
    const start = performance.now();
    execFileSync(cli, ['project', file], { stdio: 'ignore' });
    cliTimes.push(performance.now() - start);
}
const { page } = await site.openPage();
// Each step said as it ends, as a large plan takes minutes.
const watched = watchTasks(page);
const watch = {
    async step(run) {
        const row = await watched.step(run);
        process.stderr.write(`  a step took ${row.ms.toFixed(0)} ms\n`);
        return row;
    },
};
const rows = await stepsOfAUser(site, page, watch, file, 'many.Orbe');
const pageTimes = [];
for (let n = 0; n < 3; ++n) {
    const { ms } = await watch.step(async () => {
        await page.evaluate(() => performance.clearMeasures('orbelan-projection-shown'));
        await page.click('#calculate');
        await page.waitForFunction(() => performance.getEntriesByName('orbelan-projection-shown').length > 0, { timeout: 600000, polling: 50 });
    });
    pageTimes.push(ms);
}
const cliMs = Math.min(...cliTimes);
const calculateMs = Math.min(...pageTimes);
const width = Math.max(...rows.map((row) => row.step.length));
console.log(`${Number(items).toLocaleString('en-US')} items, load average ${loadavg().map((l) => l.toFixed(2)).join(' ')}`);
console.log(`${'step'.padEnd(width)}  answer ms  longest task ms (CPU)  tasks over 50 ms (CPU)`);
const cells = (a, b, w) => `${a} (${b})`.padStart(w);
for (const { step, ms, longest, longestCpu, over, overCpu } of rows)
    console.log(`${step.padEnd(width)}  ${ms.toFixed(0).padStart(9)}  ${cells(longest.toFixed(0), longestCpu.toFixed(0), 21)}  ${cells(over, overCpu, 22)}`);
console.log(`Calculate to its table ${calculateMs.toFixed(0)} ms, orbelan-cli project ${cliMs.toFixed(0)} ms ` +
    `(${(calculateMs / cliMs).toFixed(1)}x)`);
if (site.failures.length) console.log(site.failures.join('\n'));
await site.close();
