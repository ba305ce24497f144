// A first plan that makes sense: the plan's checks stand above the views in orbelan-cli
// check's words, and their button takes the user to the field to change; What If and Risk say
// the check for a plan with no first year; "Try the example" opens the household example; "New
// from Questions..." makes a plan that projects from this year. Screenshots go to the work
// folder.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { loadCore } from './load-core.mjs';

const examples = join(new URL('.', import.meta.url).pathname, '..', '..', 'examples');

export async function checkFirstPlan(site, siteDir) {
    const { work, expect, openPage, cliOutput, tableRows, typeInto } = site;
    const core = await loadCore(siteDir);
    // The plan's checks are worked out in a worker: the bar says what they found once it is not busy.
    const barText = async (page) => {
        await page.waitForSelector('#plan-check:not([aria-busy])');
        return page.$eval('#plan-check', (e) => (e.hidden ? null : e.querySelector('#plan-check-text').textContent));
    };
    const warnings = async (file) =>
        (await cliOutput('check', file)).stdout.split('\n').filter((l) => l.startsWith('warning: ')).map((l) => l.slice(9));
    const example = JSON.parse(core.openPlan(readFileSync(join(examples, 'retirement-example.Orbe')))).plan;

    // The worked example with its savings opened for withdrawal in 2003: the bar says what
    // check says, and its button shows the savings at their withdrawal start.
    {
        const { page } = await openPage();
        const plan = structuredClone(example);
        plan.incomes[0].withdrawalStart = [2003, 1, 1];
        const file = join(work, 'late.Orbe');
        writeFileSync(file, core.planBytes(JSON.stringify(plan)));
        await (await page.$('#open')).uploadFile(file);
        await page.waitForFunction(() => document.title.startsWith('late.Orbe'));
        const said = await barText(page);
        const [expected] = await warnings(file);
        expect(said !== null && said === expected, `the plan check bar says "${said}", orbelan-cli check "${expected}"`);
        await page.click('#tab-projection');
        await page.screenshot({ path: join(work, 'plan-check-bar.png') });
        await page.click('#plan-check-fix');
        const [focused, tab, name] = await page.evaluate(() => [
            document.activeElement?.id,
            document.querySelector('[role="tab"][aria-selected="true"]')?.id,
            document.getElementById('income-name').value,
        ]);
        expect(focused === 'income-withdrawalStart' && tab === 'tab-plan' && name === 'Savings',
            `the fix button went to #${focused} of "${name}" on ${tab}`);
        await typeInto(page, 'income-withdrawalStart', '2000');
        await page.keyboard.press('Tab');
        await page.waitForFunction(() => document.getElementById('plan-check').hidden);
        await page.close();
    }

    // No income item with an initial amount: What If and Risk say the check, not answers.
    {
        const { page } = await openPage();
        const plan = structuredClone(example);
        plan.incomes[0].initialAmount = 0;
        const file = join(work, 'nofirst.Orbe');
        writeFileSync(file, core.planBytes(JSON.stringify(plan)));
        await (await page.$('#open')).uploadFile(file);
        await page.waitForFunction(() => document.title.startsWith('nofirst.Orbe'));
        await page.click('#calculate');
        await page.waitForSelector('#projection tbody tr');
        const [expected] = await warnings(file);
        await page.click('#tab-whatif');
        await site.settled(page, (want) => document.getElementById('horizon').textContent === want, expected);
        const horizon = await page.$eval('#horizon', (e) => e.textContent);
        expect(horizon === expected, `What If says "${horizon}" for a plan with no first year`);
        await page.click('#tab-risk');
        await site.settled(page, (want) => document.getElementById('risk-answer').textContent === want, expected);
        const answer = await page.$eval('#risk-answer', (e) => e.textContent);
        expect(answer === expected, `Risk says "${answer}" for a plan with no first year`);
        await page.close();
    }

    // The example and the questions: each a plan the checks pass, projected for decades.
    {
        const { page } = await openPage();
        await page.click('#example');
        await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
        await page.click('#calculate');
        await page.waitForSelector('#projection tbody tr');
        const rows = (await tableRows(page)).length - 1;
        expect(rows >= 40 && (await barText(page)) === null, `the household example projects ${rows} rows`);
        await page.screenshot({ path: join(work, 'household.png') });

        await page.click('#questions-open');
        await page.waitForSelector('#questions[open]');
        const answers = {
            birthYear: '1980', retirementAge: '67', savings: '40000', savingsInterest: '3', salary: '45000',
            salaryGrowth: '2', livingCosts: '30000', pension: '15000', pensionAge: '67',
        };
        for (const [key, text] of Object.entries(answers)) await typeInto(page, `questions-${key}`, text);
        await page.screenshot({ path: join(work, 'questions.png') });
        await page.click('#questions-ok');
        await page.waitForFunction(() => document.title.startsWith('Untitled.Orbe'));
        await page.waitForSelector('#projection tbody tr');
        const table = await tableRows(page);
        const thisYear = String(new Date().getFullYear());
        const last = Number(table[table.length - 1].split(',')[0]);
        expect(table[1]?.startsWith(`${thisYear},`) && last >= 2080 && (await barText(page)) === null,
            `the plan from questions projects ${table[1]} to ${last}`);
        await page.close();
    }
}
