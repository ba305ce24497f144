// No edit is lost: a value typed and not confirmed is what Calculate and Save use; a download
// that the browser refused leaves the changes kept and offered back; two tabs keep their own
// changes; Esc on the offer keeps the copy for later; a full storage is said and leaves no
// older copy to be offered; Undo takes edits back; a huge pasted name is refused at its field;
// a plan of many items, kept in parts, comes back whole, and parts a closed tab left half
// written are cleared.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { loadCore } from './load-core.mjs';
import { manyItemsPlan } from './many-items.mjs';

const examples = join(new URL('.', import.meta.url).pathname, '..', '..', 'examples');

export async function checkEdits(site, siteDir) {
    const { expect, openPage, cliOutput, tableRows, typeInto, questionAnswered } = site;
    const core = await loadCore(siteDir);
    const title = (page) => page.evaluate(() => document.title);
    const value = (page, id) => page.$eval(`#${id}`, (input) => input.value);
    const notice = (page) => page.$eval('#notice-text', (e) => e.textContent);
    const questionOpen = (page) => page.evaluate(() => document.getElementById('question').open);
    const example = join(examples, 'retirement-example.Orbe');

    // The example with Retirement Age typed as 60 and Calculate clicked at once: the table of
    // that plan; Rent's Annual Amount typed as 100 and Save clicked: that plan's bytes.
    {
        const { page } = await openPage();
        await (await page.$('#open')).uploadFile(example);
        await page.waitForFunction(() => document.title.startsWith('retirement-example.Orbe'));
        await typeInto(page, 'retirementAge', '60');
        await page.click('#calculate');
        await page.waitForSelector('#projection tbody tr');
        const plan = JSON.parse(core.openPlan(readFileSync(example))).plan;
        plan.retirementAge = 60;
        const retired = JSON.parse(core.withRetirementDate(JSON.stringify(plan)));
        const file = join(site.work, 'retiring-at-60.Orbe');
        writeFileSync(file, core.planBytes(JSON.stringify(retired)));
        const csv = (await cliOutput('project', '--csv', file)).stdout;
        expect((await tableRows(page)).join('\n') + '\n' === csv, 'Calculate does not use the Retirement Age typed');
        const changed = await title(page);
        expect(changed === 'retirement-example.Orbe * - Orbelan', `a changed plan's tab is titled ${changed}`);
        await page.click('#tab-plan');
        await typeInto(page, 'expense-annualAmount', '100');
        await page.click('#save');
        retired.expenses[0].annualAmount = 100;
        const saved = await site.downloaded('retirement-example.Orbe');
        const bytes = saved ? readFileSync(saved) : Buffer.alloc(0);
        expect(Buffer.compare(bytes, Buffer.from(core.planBytes(JSON.stringify(retired)))) === 0,
            'Save does not write the Annual Amount typed');
        expect((await value(page, 'expense-annualAmount')) === '100', 'Save refills the Annual Amount typed');
        expect((await notice(page)).startsWith('Downloaded retirement-example.Orbe. '), `after a download the page says ${await notice(page)}`);
        // Ctrl+Z, away from any field, takes the edits back one by one.
        await page.click('h1');
        const undone = [];
        for (let n = 0; n < 2; ++n) {
            await page.keyboard.down('Control');
            await page.keyboard.press('z');
            await page.keyboard.up('Control');
            undone.push(`${await value(page, 'expense-annualAmount')}/${await value(page, 'retirementAge')}`);
        }
        expect(undone.join(' ') === '600/60 600/55', `Ctrl+Z twice shows ${undone.join(', then ')}`);
        // A pasted name of 200,000 characters is refused at its field; the stored name stays.
        await page.$eval('#expense-name', (input) => {
            input.value = 'x'.repeat(200000);
            input.dispatchEvent(new Event('change'));
        });
        const refusal = await page.$eval('#expense-name-error', (e) => e.textContent);
        expect(refusal === 'Enter a name of at most 10,000 characters.', `a huge name is refused with "${refusal}"`);
        await page.close();
    }

    // A download the browser refuses: the page says what it did and keeps the changes, which
    // a reload offers back; discarded, they are offered no more. The new plan's name is asked
    // first, and Enter keeps the one offered.
    const namedAsOffered = async (page) => {
        await page.waitForSelector('#plan-name[open]');
        await page.keyboard.press('Enter');
    };
    {
        const { page } = await openPage({ context: await site.newContext('deny') });
        await typeInto(page, 'birthDate', '1970');
        await page.keyboard.press('Tab');
        await page.click('#save');
        await namedAsOffered(page);
        await page.waitForSelector('#discard-copy:not([hidden])');
        expect((await title(page)) === 'Untitled.Orbe - Orbelan', 'a download does not count as a save');
        await site.reload(page);
        const offer = await questionAnswered(page, 'Enter');
        const restored = await value(page, 'birthDate');
        expect(offer === 'Restore the unsaved changes to Untitled.Orbe?' && restored === '1970',
            `after a refused download the page asks "${offer}" and restores ${restored}`);
        await page.click('#save');
        await namedAsOffered(page);
        await page.waitForSelector('#discard-copy:not([hidden])');
        await page.click('#discard-copy');
        await site.reload(page);
        expect(!(await questionOpen(page)), 'a discarded copy is offered again');
        await page.close();
    }

    // Two tabs keep their own changes; a reload warns of them first; Esc on the offer leaves
    // the copy for later.
    {
        const context = await site.newContext();
        const { page: first } = await openPage({ context });
        const { page: second } = await openPage({ context });
        for (const [page, year] of [[first, '1971'], [second, '1982']]) {
            await typeInto(page, 'birthDate', year);
            await page.keyboard.press('Tab');
        }
        for (const [page, year] of [[first, '1971'], [second, '1982']]) {
            await site.reload(page);
            await questionAnswered(page, 'Enter');
            const restored = await value(page, 'birthDate');
            expect(restored === year, `a tab's own changes give ${restored}, not ${year}`);
        }
        expect(first.beforeUnloadWarnings === 1, `leaving unsaved changes warned ${first.beforeUnloadWarnings} times`);
        await site.reload(first);
        await questionAnswered(first, 'Escape');
        const left = await value(first, 'birthDate');
        await site.reload(first);
        await questionAnswered(first, 'Enter');
        const later = await value(first, 'birthDate');
        expect(left !== '1971' && later === '1971', `after Esc the plan shows ${left}, after the next reload ${later}`);
        await context.close();
    }

    // 2,000 items, edited and left at once: the copy, in several parts, is written as the
    // page goes and offered back whole; a part left by a tab that closed mid-write is cleared,
    // one of an open tab is not.
    {
        const { page } = await openPage();
        const file = join(site.work, 'two-thousand.Orbe');
        writeFileSync(file, core.planBytes(JSON.stringify(manyItemsPlan(core, 2000))));
        await (await page.$('#open')).uploadFile(file);
        await page.waitForFunction(() => document.title.startsWith('two-thousand.Orbe'));
        // Clicked where it is, as the plan's check above the views may move it.
        await page.$eval('#expense-next', (button) => button.click());
        await page.waitForFunction(() => document.getElementById('expense-position').textContent === 'Item 2 of 600');
        await typeInto(page, 'expense-annualAmount', '4321');
        const tab = await page.evaluate(() => sessionStorage.getItem('orbelan.tab'));
        await page.evaluate((live) => {
            localStorage.setItem('orbelan.unsaved-part.closedtab.x.0', 'left');
            localStorage.setItem(`orbelan.unsaved-part.${live}.y.0`, 'writing');
        }, tab);
        await site.reload(page);
        const offer = await questionAnswered(page, 'Enter');
        const [position, amount, parts, left] = await page.evaluate(() => [
            document.getElementById('expense-position').textContent,
            (document.getElementById('expense-next').click(), document.getElementById('expense-annualAmount').value),
            Object.keys(localStorage).filter((key) => key.startsWith('orbelan.unsaved-part.')),
            [localStorage.getItem('orbelan.unsaved-part.closedtab.x.0')],
        ]);
        expect(offer === 'Restore the unsaved changes to two-thousand.Orbe?' && position === 'Item 1 of 600' && amount === '4321',
            `a copy of 2,000 items gives "${offer}", ${position}, the second expense's amount ${amount}`);
        expect(parts.length > 2 && left[0] === null && parts.includes(`orbelan.unsaved-part.${tab}.y.0`),
            `the copy's parts after a reload: ${parts.join(', ')}`);
        await page.close();
    }

    // A storage too full for the copy: the page says so, and keeps no older copy to offer.
    {
        const { page } = await openPage();
        await typeInto(page, 'birthDate', '1975');
        await page.keyboard.press('Tab');
        await page.evaluate(() => {
            let chunk = 'x'.repeat(1 << 20);
            for (let i = 0; chunk.length > 8; ++i) {
                try {
                    localStorage.setItem(`filler${i}`, chunk);
                } catch {
                    chunk = chunk.slice(chunk.length / 2);
                }
            }
        });
        await page.click('#income-add');
        // The copy is written once the edits pause.
        await site.settled(page, () => document.getElementById('notice-text').textContent !== '');
        const said = await notice(page);
        const kept = await page.evaluate(() => Object.keys(localStorage).filter((key) => key.startsWith('orbelan.unsaved')));
        expect(said.startsWith("This browser's storage is full") && kept.length === 0,
            `with a full storage the page says "${said}" and keeps ${kept.join(', ')}`);
        await site.reload(page);
        expect(!(await questionOpen(page)), 'with a full storage an older copy is offered');
        await page.close();
    }
}
