// No edit is lost: a value typed and not confirmed is what Calculate, Save and a file dropped
// use; a download that the browser refused leaves the changes kept: New asks about them, a
// reload offers them, Recover lists them; two tabs keep their own changes; Esc on the offer
// keeps the copy for later and says where; a full storage is said and keeps no copy to
// be offered; Undo takes edits back; a huge pasted name is refused at its field; a plan of
// 100,000 items is kept and comes back whole; copies that pages before kept in local storage
// move to the new storage once.
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
    // A question that is not the offer at the start, answered by the key given.
    const answered = async (page, key) => {
        await page.waitForSelector('#question[open]');
        const text = await page.$eval('#question-text', (e) => e.textContent);
        await page.keyboard.press(key);
        await page.waitForSelector('#question:not([open])');
        return text;
    };
    // What Recover lists, closed again.
    const recoverList = async (page) => {
        await page.click('#recover');
        await page.waitForSelector('#recover[open]');
        return page.$$eval('#recover-list li', (items) => items.map((item) => item.querySelector('.recover-name')?.textContent ?? item.textContent));
    };
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
        // New asks about the plan downloaded, and keeps its copy at Enter.
        await page.click('#save');
        await namedAsOffered(page);
        await page.waitForSelector('#discard-copy:not([hidden])');
        await page.click('#new');
        const asked = await answered(page, 'Enter');
        await site.settled(page, () => document.getElementById('notice-text').textContent.startsWith('A copy of'));
        const keptNew = await notice(page);
        expect(asked.startsWith('Untitled.Orbe was downloaded, but the page cannot see whether the browser saved it.') &&
            keptNew.startsWith('A copy of Untitled.Orbe is kept in this browser'), `after a download New asks "${asked}", then says "${keptNew}"`);
        // Edited, New, Yes to saving the changes, the download refused: the copy stays.
        await typeInto(page, 'birthDate', '1971');
        await page.click('#new');
        const saveAsked = await answered(page, 'Enter');
        await namedAsOffered(page);
        await page.waitForFunction(() => document.getElementById('birthDate').value !== '1971');
        await page.waitForFunction(() => document.getElementById('notice-text').textContent.startsWith('A copy of Untitled.Orbe is kept'));
        // Both copies are listed, the newest first; the reload offers the newest, and Esc says where it stays.
        await site.reload(page);
        const offered = await questionAnswered(page, 'Escape');
        const afterEsc = await notice(page);
        expect(saveAsked === 'Save changes to Untitled.Orbe?' && offered === 'Restore the unsaved changes to Untitled.Orbe?' &&
            afterEsc === 'The unsaved changes to Untitled.Orbe are kept in this browser: Recover... brings them back. ' +
                'One more copy of unsaved changes is kept: Recover... lists them.',
            `New asks "${saveAsked}", the reload "${offered}", and after Esc the page says "${afterEsc}"`);
        const listed = await recoverList(page);
        expect(listed.length === 2 && listed.every((name) => name.startsWith('Untitled.Orbe, downloaded ')), `Recover lists ${listed.join('; ')}`);
        await page.click('#recover-list li:first-child button');
        await page.waitForFunction(() => document.getElementById('birthDate').value === '1971');
        // The older is discarded in the list.
        const left = await recoverList(page);
        await page.$eval('#recover-list li button:last-of-type', (button) => button.click());
        await page.waitForFunction(() => document.getElementById('recover-list').textContent.startsWith('No unsaved changes'));
        await page.click('#recover-close');
        expect(left.length === 1 && (await title(page)) === 'Untitled.Orbe * - Orbelan', `after a restore Recover lists ${left.join('; ')}`);
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

    // A plan downloaded, then its file opened again: New's question about the copy is asked,
    // and the copy, which the file holds, is no longer kept.
    {
        const { page } = await openPage();
        await page.click('#example');
        await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
        await typeInto(page, 'retirementAge', '61');
        await page.click('#save');
        const saved = await site.downloaded('household.Orbe');
        await page.waitForSelector('#discard-copy:not([hidden])');
        if (saved) await (await page.$('#open')).uploadFile(saved);
        const asked = await answered(page, 'Enter');
        await page.waitForFunction(() => document.getElementById('retirementAge').value === '61' && !document.title.includes('*'));
        // The copy goes once the store's work before it is done.
        await site.settled(page, () => new Promise((resolve) => {
            const opening = indexedDB.open('orbelan');
            opening.onsuccess = () => {
                const all = opening.result.transaction('copies').objectStore('copies').getAll();
                all.onsuccess = () => resolve(all.result.every((copy) => !copy.downloaded));
            };
        }));
        const listed = await recoverList(page);
        expect(asked.startsWith('household.Orbe was downloaded') && listed.join() === 'No unsaved changes are kept in this browser.',
            `the file downloaded and opened again asks "${asked}", then Recover lists ${listed.join('; ')}`);
        await page.close();
    }

    // A value typed and not confirmed, then a file dropped: the page asks about the change
    // first, and Esc leaves the plan with the value.
    {
        const { page } = await openPage();
        await typeInto(page, 'birthDate', '1969');
        void page.evaluate(async () => {
            const bytes = await (await fetch('household.Orbe')).blob();
            const carried = new DataTransfer();
            carried.items.add(new File([bytes], 'household.Orbe'));
            document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: carried, bubbles: true, cancelable: true }));
        });
        const asked = await answered(page, 'Escape');
        expect(asked === 'Save changes to Untitled.Orbe?' && (await value(page, 'birthDate')) === '1969' &&
            (await title(page)) === 'Untitled.Orbe * - Orbelan', `a file dropped while a value is typed asks "${asked}"`);
        await page.close();
    }

    // 100,000 items, edited and left at once: the copy is written as the page goes and offered
    // back whole.
    {
        const { page } = await openPage();
        const file = join(site.work, 'hundred-thousand.Orbe');
        writeFileSync(file, core.planBytes(JSON.stringify(manyItemsPlan(core, 100000))));
        await (await page.$('#open')).uploadFile(file);
        await page.waitForFunction(() => document.title.startsWith('hundred-thousand.Orbe'));
        // Clicked where it is, as the plan's check above the views may move it.
        await page.$eval('#expense-next', (button) => button.click());
        await page.waitForFunction(() => document.getElementById('expense-position').textContent === 'Item 2 of 30000');
        await typeInto(page, 'expense-annualAmount', '4321');
        const kept = await page.evaluate(async () => {
            const before = performance.getEntriesByName('orbelan-copy-kept').length;
            const edited = performance.now();
            document.getElementById('expense-annualAmount').dispatchEvent(new Event('change'));
            while (performance.getEntriesByName('orbelan-copy-kept').length === before) await new Promise((resolve) => setTimeout(resolve, 20));
            return performance.now() - edited;
        });
        const reloaded = Date.now();
        await site.reload(page);
        const offer = await questionAnswered(page, 'Enter');
        const restored = Date.now() - reloaded;
        const [position, amount] = await page.evaluate(() => [
            document.getElementById('expense-position').textContent,
            (document.getElementById('expense-next').click(), document.getElementById('expense-annualAmount').value),
        ]);
        console.log(`browser: a copy of 100,000 items kept ${kept.toFixed(0)} ms after the edit, offered and restored ${restored} ms after a reload`);
        expect(offer === 'Restore the unsaved changes to hundred-thousand.Orbe?' && position === 'Item 1 of 30000' && amount === '4321',
            `a copy of 100,000 items gives "${offer}", ${position}, the second expense's amount ${amount}`);
        await page.close();
    }

    // Copies that pages before kept in local storage, whole or in parts, move to the new
    // storage: offered, then listed by Recover, and gone from local storage.
    {
        const { page } = await openPage();
        const plan = (year) => ({ ...JSON.parse(core.newPlan()), birthDate: [year, 1, 1] });
        const text = JSON.stringify(plan(1961));
        await page.evaluate((whole, parted) => {
            localStorage.setItem('orbelan.unsaved', JSON.stringify({ fileName: 'shared.Orbe', time: 1000, plan: whole }));
            localStorage.setItem('orbelan.unsaved.closedtab', JSON.stringify({ fileName: 'parts.Orbe', time: 2000, parts: 'orbelan.unsaved-part.closedtab.w', count: 2 }));
            localStorage.setItem('orbelan.unsaved-part.closedtab.w.0', parted.slice(0, 100));
            localStorage.setItem('orbelan.unsaved-part.closedtab.w.1', parted.slice(100));
            localStorage.setItem('orbelan.unsaved-part.closedtab.v.0', 'left half written');
        }, plan(1952), text);
        await site.reload(page);
        const offer = await questionAnswered(page, 'Enter');
        const restored = await value(page, 'birthDate');
        const listed = await recoverList(page);
        const left = await page.evaluate(() => Object.keys(localStorage).filter((key) => key.startsWith('orbelan.unsaved')));
        expect(offer === 'Restore the unsaved changes to parts.Orbe?' && restored === '1961' && listed.length === 1 &&
            listed[0].startsWith('shared.Orbe, kept ') && left.length === 0,
            `copies in local storage give "${offer}", ${restored}, Recover lists ${listed.join('; ')}, left ${left.join(', ')}`);
        await page.close();
    }

    // A storage too full for the copy: the page says so, and keeps no copy to offer.
    {
        const { page } = await openPage();
        const cdp = await page.createCDPSession();
        await cdp.send('Storage.overrideQuotaForOrigin', { origin: site.origin, quotaSize: 1 });
        await typeInto(page, 'birthDate', '1975');
        await page.keyboard.press('Tab');
        // The copy is written once the edits pause.
        await site.settled(page, () => document.getElementById('notice-text').textContent !== '');
        const said = await notice(page);
        const kept = await page.evaluate(() => new Promise((resolve) => {
            const opening = indexedDB.open('orbelan');
            opening.onsuccess = () => {
                const counting = opening.result.transaction('copies').objectStore('copies').count();
                counting.onsuccess = () => resolve(counting.result);
            };
        }));
        expect(said.startsWith("This browser's storage is full") && kept === 0,
            `with a full storage the page says "${said}" and keeps ${kept} copies`);
        await site.reload(page);
        expect(!(await questionOpen(page)), 'with a full storage a copy is offered');
        await cdp.send('Storage.overrideQuotaForOrigin', { origin: site.origin });
        await page.close();
    }
}
