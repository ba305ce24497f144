// Not a test: what a plan of many items costs the page, beside orbelan-cli project on the same
// file. Prints a table of each step a user takes (opening the file, Calculate, an edit, Undo,
// a What If slider step, each view, saving) with the time to its answer and the page thread's
// longest task and tasks over 50 ms meanwhile, then Calculate, timed alone, against the CLI,
// and the page's memory held for Undo.
// Usage: node bench-many-items.mjs SITE_DIR ORBELAN_CLI [ITEMS]
import './failure.mjs';
import { execFileSync } from 'node:child_process';
import { loadavg } from 'node:os';
import { rmSync, writeFileSync } from 'node:fs';
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
// Each step said as it ends, as a large plan takes minutes.
const watch = (page) => {
    const watched = watchTasks(page);
    return {
        async step(run) {
            const row = await watched.step(run);
            process.stderr.write(`  a step took ${row.ms.toFixed(0)} ms\n`);
            return row;
        },
    };
};
// Calculate on a page of its own, with nothing else at work: the plan as opened, which the
// worker holds already, and after each of three edits, with the plan sent to the worker as
// after any change.
const calculated = async (page) => {
    await page.evaluate(() => performance.clearMeasures('orbelan-projection-shown'));
    await page.click('#calculate');
    await page.waitForFunction(() => performance.getEntriesByName('orbelan-projection-shown').length > 0, { timeout: 1800000, polling: 50 });
    return page.evaluate(() => performance.getEntriesByName('orbelan-projection-shown')[0].duration);
};
const { page: alone } = await site.openPage();
await (await alone.$('#open')).uploadFile(file);
await alone.waitForFunction(() => document.title.startsWith('many.Orbe'), { timeout: 1800000 });
const openedMs = await calculated(alone);
const pageTimes = [];
for (const age of ['61', '62', '63']) {
    await alone.click('#tab-plan');
    await site.typeInto(alone, 'retirementAge', age);
    await alone.keyboard.press('Tab');
    pageTimes.push(await calculated(alone));
}
await alone.close();
const { page } = await site.openPage();
const rows = await stepsOfAUser(site, page, watch(page), file, 'many.Orbe');
// What Undo keeps: the page's JS heap, collected, before and after 100 items added a second
// apart, as a user adds them, each plan's text made to send it whole; then the edits Undo
// takes back.
const cdp = await page.createCDPSession();
const heapMb = async () => {
    await cdp.send('HeapProfiler.collectGarbage');
    return (await page.metrics()).JSHeapUsedSize / 1e6;
};
await page.click('#tab-plan');
const heapOpen = await heapMb();
const incomes = await page.$eval('#income-position', (e) => Number(e.textContent.split(' of ')[1]));
for (let n = 1; n <= 100; ++n) {
    await page.click('#income-add');
    await page.waitForFunction((c) => document.getElementById('income-position').textContent.endsWith(` of ${c}`), { timeout: 1800000 }, incomes + n);
    await new Promise((resolve) => setTimeout(resolve, 1000));
}
const heapAdded = await heapMb();
let undone = 0;
for (; undone < 200 && !(await page.$eval('#undo', (b) => b.disabled)); ++undone) await page.click('#undo');
const cliMs = Math.min(...cliTimes);
const calculateMs = Math.min(...pageTimes);
const width = Math.max(...rows.map((row) => row.step.length));
console.log(`${Number(items).toLocaleString('en-US')} items, load average ${loadavg().map((l) => l.toFixed(2)).join(' ')}`);
console.log(`${'step'.padEnd(width)}  answer ms  longest task ms (CPU)  tasks over 50 ms (CPU)`);
const cells = (a, b, w) => `${a} (${b})`.padStart(w);
for (const { step, ms, longest, longestCpu, over, overCpu } of rows)
    console.log(`${step.padEnd(width)}  ${ms.toFixed(0).padStart(9)}  ${cells(longest.toFixed(0), longestCpu.toFixed(0), 21)}  ${cells(over, overCpu, 22)}`);
console.log(`Calculate to its table ${openedMs.toFixed(0)} ms as opened, ${calculateMs.toFixed(0)} ms after an edit; ` +
    `orbelan-cli project ${cliMs.toFixed(0)} ms (${(openedMs / cliMs).toFixed(1)}x, ${(calculateMs / cliMs).toFixed(1)}x)`);
console.log(`Undo: JS heap ${heapOpen.toFixed(0)} MB, ${heapAdded.toFixed(0)} MB after 100 items added; Undo takes back ${undone} edits`);
if (site.failures.length) console.log(site.failures.join('\n'));
await site.close();
// The plan file and the browser's profile are large.
rmSync(site.work, { recursive: true });
