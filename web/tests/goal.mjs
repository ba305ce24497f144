// The Risk view's goal for the household example says what orbelan-cli goal says with the same
// settings; a confidence out of range is refused in the command's words; Apply sets the
// expenses to the spending found as an edit that Undo takes back.
import { join } from 'node:path';

const examples = join(new URL('.', import.meta.url).pathname, '..', '..', 'examples');

export async function checkGoal(site) {
    const { expect, openPage, cliOutput, typeInto } = site;
    const { page } = await openPage();
    await page.click('#example');
    await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
    await page.click('#calculate');
    await page.waitForSelector('#projection tbody tr');
    await page.click('#tab-risk');
    const said = async () => {
        await page.waitForFunction(() => document.getElementById('goal-spending').textContent !== '');
        return page.evaluate(() => ['goal-spending', 'goal-lasts'].map((id) => document.getElementById(id).textContent).join(' ').trim());
    };
    const household = join(examples, 'household.Orbe');
    const cli = (await cliOutput('goal', household)).stdout.trim();
    const shown = await said();
    expect(shown === cli, `the Risk view's goal says "${shown}", orbelan-cli goal "${cli}"`);

    // Out of range: the command's refusal, and nothing to apply.
    const refusal = (await cliOutput('goal', household, '--confidence', '100')).stderr.split('\n')[0].replace(/^orbelan-cli: --confidence: /, '');
    await page.$eval('#risk-confidence', (e) => {
        e.value = '100';
        e.dispatchEvent(new Event('change'));
    });
    const refused = await said();
    const applyOff = await page.$eval('#goal-apply', (e) => e.disabled);
    expect(refused === refusal && applyOff, `a confidence of 100 gives "${refused}", orbelan-cli "${refusal}"`);

    // Apply at 50 %: the plan is modified and calculated again, and Undo takes the edit back.
    await page.$eval('#risk-confidence', (e) => {
        e.value = '50';
        e.dispatchEvent(new Event('change'));
    });
    await page.waitForFunction(() => !document.getElementById('goal-apply').disabled);
    await page.click('#goal-apply');
    await page.waitForFunction(() => document.title.includes('*'));
    await page.click('#undo');
    await page.waitForFunction(() => !document.title.includes('*'));

    // An edit since the answer: Apply calculates again instead of putting the calculated plan
    // back over the edit.
    await page.waitForFunction(() => !document.getElementById('goal-apply').disabled);
    await page.click('#tab-plan');
    await typeInto(page, 'retirementAge', '60');
    await page.click('#tab-risk');
    await page.click('#goal-apply');
    await page.waitForFunction(() => !document.getElementById('goal-apply').disabled);
    const age = await page.$eval('#retirementAge', (input) => input.value);
    expect(age === '60', `Apply after an edit leaves the retirement age at ${age}, not 60`);
    await page.close();
}
