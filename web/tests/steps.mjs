// The steps a user takes with a plan, each timed with the page thread's long tasks while it
// runs, for the budget test and the benchmark of many items.

import { TimeoutError } from 'puppeteer-core';

// The browser's own mark of a task that holds the page too long.
export const kLongTaskMs = 50;

// The page thread's tasks in a trace: how long each held the thread (wall) and how much of
// that the thread spent working (cpu), which other programs on a busy machine do not stretch.
// The trace gives a few tasks of some microseconds no thread time: their wall time bounds it.
function pageTasks(trace) {
    const events = JSON.parse(new TextDecoder().decode(trace)).traceEvents;
    const started = events.filter((e) => e.name === 'TracingStartedInBrowser').pop();
    const pid = started?.args.data.frames.find((f) => f.isOutermostMainFrame)?.processId;
    const main = events.find((e) => e.name === 'thread_name' && e.pid === pid && e.args.name === 'CrRendererMain');
    return events
        .filter((e) => e.name === 'RunTask' && e.ph === 'X' && e.pid === pid && e.tid === main?.tid)
        .map((e) => ({ wall: e.dur / 1000, cpu: (e.tdur ?? e.dur) / 1000 }));
}

// step(run, settled) traces the page while run takes a step, until what the step still works
// out after its answer has come (settled), and until the page is quiet again: how long run
// took to its answer, and the page thread's longest task and its tasks over 50 ms, in wall and
// in CPU time.
export function watchTasks(page) {
    return {
        async step(run, settled = async () => {}) {
            await page.tracing.start({ categories: ['disabled-by-default-devtools.timeline', 'toplevel'] });
            const start = performance.now();
            await run();
            const ms = performance.now() - start;
            await settled();
            // Work the step left behind, such as the kept copy written once typing pauses,
            // counts too: the page is quiet once the thread has idled after the pause.
            await page.evaluate(
                () => new Promise((resolve) => setTimeout(() => requestIdleCallback(() => setTimeout(resolve, 0), { timeout: 5000 }), 1000)),
            );
            const tasks = pageTasks(await page.tracing.stop());
            const longest = (key) => Math.max(0, ...tasks.map((t) => t[key]));
            const over = (key) => tasks.filter((t) => t[key] > kLongTaskMs).length;
            return { ms, tasks: tasks.length, longest: longest('wall'), over: over('wall'), longestCpu: longest('cpu'), overCpu: over('cpu') };
        },
    };
}

// Half an hour for what a plan of many items leaves the page to work out on a busy machine,
// waited for in pieces of two minutes: puppeteer-core waits in one call to the page, which
// fails by itself once it takes longer than the site's protocolTimeout (three minutes).
const kLongMs = 1800000;
const kPieceMs = 120000;
async function waitLong(page, condition, ...args) {
    for (const deadline = Date.now() + kLongMs; ; ) {
        try {
            return await page.waitForFunction(condition, { timeout: kPieceMs, polling: 50 }, ...args);
        } catch (error) {
            if (!(error instanceof TimeoutError) || Date.now() > deadline) throw error;
        }
    }
}
const present = (selector) => document.querySelector(selector) !== null;

// Opening the file, Calculate, an edit and its Undo, a What If slider step, each view, and
// saving: one row per step with its name.
export async function stepsOfAUser(site, page, watch, file, name) {
    const rows = [];
    const step = async (what, run, settled) => rows.push({ step: what, ...(await watch.step(run, settled)) });
    // What a step leaves to the workers and to the pause after typing, so that the tasks that
    // take in their answers are traced with the step.
    const checked = () => waitLong(page, present, '#plan-check:not([aria-busy])');
    const copies = () => page.evaluate(() => performance.getEntriesByName('orbelan-copy-kept').length);
    const copyKept = async (before) => {
        await checked();
        await waitLong(page, (n) => performance.getEntriesByName('orbelan-copy-kept').length > n, before);
    };
    await step('open the file', async () => {
        await (await page.$('#open')).uploadFile(file);
        await waitLong(page, (n) => document.title.startsWith(n), name);
    }, checked);
    await step('Calculate', async () => {
        await page.click('#calculate');
        await waitLong(page, () => performance.getEntriesByName('orbelan-projection-shown').length > 0 || document.getElementById('message').open);
        // A plan the engine cannot project whole is said first; the plans measured are not such.
        if (await page.$('#message[open]')) site.failures.push(`Calculate says: ${await site.messageShown(page)}`);
    });
    await step('What If view', async () => {
        await page.click('#tab-whatif');
        await page.waitForSelector('#view-whatif:not([hidden])');
    }, () => waitLong(
        page,
        () => document.querySelector('#sensitivity tbody td')?.textContent && document.getElementById('sustainable').textContent !== '',
    ));
    await step('What If slider step', async () => {
        await page.$eval('#expenses', (slider) => {
            slider.value = '90';
            slider.dispatchEvent(new Event('input'));
        });
        await waitLong(page, () => document.getElementById('chart').innerText.includes('(what if)'));
    });
    await step('Year Details view', async () => {
        await page.click('#tab-details');
        await waitLong(page, present, '#year-details:not([aria-busy]) tbody tr');
    });
    await step('Risk view', async () => {
        await page.click('#tab-risk');
        await page.waitForSelector('#view-risk:not([hidden])');
    }, () => waitLong(page, () => / paths: /.test(document.getElementById('risk-answer').textContent)));
    await step('Plan view', async () => {
        await page.click('#tab-plan');
        await page.waitForSelector('#view-plan:not([hidden])');
    });
    let kept = await copies();
    await step('an edit', async () => {
        await site.typeInto(page, 'retirementAge', '62');
        await page.keyboard.press('Tab');
        await page.waitForFunction(() => document.title.includes('*'));
    }, () => copyKept(kept));
    await step('next item', async () => {
        await page.click('#income-next');
        await page.waitForFunction(() => document.getElementById('income-position').textContent.startsWith('Item 2 '));
    });
    await step('Undo', async () => {
        await page.click('h1');
        await page.keyboard.down('Control');
        await page.keyboard.press('z');
        await page.keyboard.up('Control');
        await page.waitForFunction(() => !document.title.includes('*'));
    }, checked);
    await step('Redo and Undo', async () => {
        await page.click('#redo');
        await page.waitForFunction(() => document.title.includes('*'));
        await page.click('#undo');
        await page.waitForFunction(() => !document.title.includes('*'));
    }, checked);
    await step('find an item', async () => {
        await page.click('#income-finder summary');
        await site.typeInto(page, 'income-find', 'account 6999');
        await page.waitForFunction(() => document.getElementById('income-found').textContent.startsWith('1 of '));
        await page.click('#income-finder .found-items button');
        await page.waitForFunction(() => document.getElementById('income-position').textContent.startsWith('Item 6999 '));
    });
    await step('Projection view', async () => {
        await page.click('#tab-projection');
        await page.waitForSelector('#view-projection:not([hidden])');
    });
    kept = await copies();
    await step('an edit and Save plan', async () => {
        await page.click('#tab-plan');
        await site.typeInto(page, 'retirementAge', '63');
        await page.click('#save');
        await waitLong(page, () => document.getElementById('notice-text').textContent.startsWith('Downloaded'));
    }, () => copyKept(kept));
    return rows;
}
