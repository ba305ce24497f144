// Scenarios in the browser: the household beside two other plan files gives orbelan-cli
// compare's figures and sentences, draws each other plan on the chart from its first year, even
// one before the open plan's, passes axe, and a plan removed leaves the comparison and the
// chart. With ORBELAN_SCREENSHOTS set to a folder, the view is photographed there.
import { join } from 'node:path';

const examples = join(new URL('.', import.meta.url).pathname, '..', '..', 'examples');

export async function checkScenarios(site) {
    const { expect, openPage, cliOutput, axe } = site;
    const { page } = await openPage();
    const household = join(examples, 'household.Orbe');
    const others = ['retirement-example.Orbe', 'savings-account.Orbe'].map((name) => join(examples, name));
    await (await page.$('#open')).uploadFile(household);
    await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
    await page.click('#calculate');
    await page.waitForSelector('#projection tbody tr');
    await page.click('#tab-scenarios');
    await (await page.$('#scenario-files')).uploadFile(...others);
    await page.waitForFunction(() => document.querySelectorAll('#scenario-pairs p').length === 3);
    const [names, pairs, legend] = await page.evaluate(() => [
        [...document.querySelectorAll('#scenario-figures thead th')].map((th) => th.textContent),
        [...document.querySelectorAll('#scenario-pairs p')].map((p) => p.textContent),
        document.getElementById('chart').innerText,
    ]);
    const text = (await cliOutput('compare', household, ...others)).stdout.trim().split('\n');
    expect(names.join('|') === 'household|retirement-example|savings-account', `the scenarios are named ${names.join(', ')}`);
    expect(pairs.join('\n') === text.slice(-3).join('\n'), `the page says "${pairs.join(' ')}", orbelan-cli "${text.slice(-3).join(' ')}"`);
    expect(legend.includes('Total Assets (retirement-example)') && legend.includes('Total Assets (savings-account)'),
        `the chart's legend with scenarios reads ${legend}`);
    // The household starts in 2026, the others in 2000: the chart starts with theirs, as
    // orbelan-cli project gives their first year.
    await page.focus('#chart');
    await page.keyboard.press('Home');
    const first = await page.$eval('.chart-readout', (e) => e.textContent);
    expect(first === '2000: Total Assets (retirement-example) 1,778; Total Assets (savings-account) 7,879',
        `the chart reads its first year out as "${first}"`);
    if (process.env.ORBELAN_SCREENSHOTS) await page.screenshot({ path: join(process.env.ORBELAN_SCREENSHOTS, 'scenarios.png'), fullPage: true });
    await axe(page, 'scenarios');
    await page.click('#scenario-list button');
    await page.waitForFunction(() => document.querySelectorAll('#scenario-pairs p').length === 1);
    const after = await page.$eval('#chart', (e) => e.innerText);
    expect(!after.includes('retirement-example'), 'a removed scenario stays on the chart');
    await page.close();
}
