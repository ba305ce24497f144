// Every view on a desktop, a phone and in the dark: no view wider than the window, the dark
// theme on the page and the chart, axe-core's checks (contrast included) on the phone and in
// the dark. With ORBELAN_SCREENSHOTS set to a folder, each view is photographed there. Also
// the chart's year read out by keyboard, What If's lines leaving the chart, and its age.
import { join } from 'node:path';

const examples = join(new URL('.', import.meta.url).pathname, '..', '..', 'examples');
const kViews = ['plan', 'projection', 'details', 'whatif', 'risk', 'scenarios'];
const kScreens = [
    { name: 'desktop', width: 1366, height: 768, dark: false, axe: false },
    { name: 'phone', width: 390, height: 844, dark: false, axe: true },
    { name: 'small-phone', width: 360, height: 740, dark: false, axe: false },
    { name: 'dark', width: 1366, height: 768, dark: true, axe: true },
    { name: 'dark-phone', width: 390, height: 844, dark: true, axe: false },
];

async function checkChart(site) {
    const { expect, openPage } = site;
    const { page } = await openPage();
    await (await page.$('#open')).uploadFile(join(examples, 'retirement-example.Orbe'));
    await page.waitForFunction(() => document.title.startsWith('retirement-example.Orbe'));
    await page.click('#calculate');
    await page.waitForSelector('#projection tbody tr');
    // The example's first year, as orbelan-cli project gives it: income 1778, assets 1778 and 1050.
    await page.focus('#chart');
    await page.keyboard.press('Home');
    const first = await page.$eval('.chart-readout', (e) => e.textContent);
    expect(first === '2000: Income 1,778; Withdrawals 0; Total Assets 1,778; Available Assets 1,050',
        `the chart reads its first year out as "${first}"`);
    // The first and the last year, 2000 and 2005, stand half a year inside the plot, so that
    // their bars are drawn whole.
    const cursorAt = () => page.evaluate(() => {
        const plot = document.querySelector('#chart .u-over').getBoundingClientRect();
        return document.querySelector('#chart .u-cursor-x').getBoundingClientRect().left - plot.left;
    });
    const plotWidth = await page.$eval('#chart .u-over', (e) => e.getBoundingClientRect().width);
    const firstAt = await cursorAt();
    await page.keyboard.press('End');
    const lastAt = await cursorAt();
    const halfYear = (lastAt - firstAt) / 5 / 2;
    expect(Math.abs(firstAt - halfYear) <= 1 && Math.abs(plotWidth - lastAt - halfYear) <= 1,
        `the chart's first and last years stand ${firstAt} and ${plotWidth - lastAt} pixels inside its plot, not half a year (${halfYear})`);
    const legend = () => page.$eval('#chart', (e) => e.innerText);
    const slide = (value) => page.$eval('#expenses', (slider, v) => {
        slider.value = v;
        slider.dispatchEvent(new Event('input'));
    }, value);
    await page.click('#tab-whatif');
    await slide('80');
    await page.waitForFunction(() => document.getElementById('chart').innerText.includes('(what if)'));
    await slide('100');
    const back = await legend();
    await slide('80');
    await page.waitForFunction(() => document.getElementById('chart').innerText.includes('(what if)'));
    await page.click('#calculate');
    await page.waitForFunction(() => document.getElementById('expenses').value === '100');
    const recalculated = await legend();
    expect(!back.includes('(what if)') && !recalculated.includes('(what if)'),
        `What If's lines stay on the chart: ${back.includes('(what if)') ? 'at 100 %' : 'after Calculate'}`);
    // The age as orbelan-cli sustain takes it: a whole number from 0 to 1000.
    await page.click('#tab-whatif');
    for (const age of ['-5', '', '1001']) {
        await page.$eval('#age', (input, text) => {
            input.value = text;
            input.dispatchEvent(new Event('change'));
        }, age);
        const said = await page.$eval('#sustainable', (e) => e.textContent);
        expect(said === 'Enter an age from 0 to 1000.', `What If's age "${age}" gives "${said}"`);
    }
    await page.close();
}

export async function checkScreens(site) {
    const { expect, openPage, axe } = site;
    const shots = process.env.ORBELAN_SCREENSHOTS;
    await checkChart(site);
    for (const screen of kScreens) {
        const { page } = await openPage({ width: screen.width, height: screen.height, dark: screen.dark });
        const unanswered = await page.$eval('#horizon', (e) => e.textContent);
        await (await page.$('#open')).uploadFile(join(examples, 'retirement-example.Orbe'));
        await page.waitForFunction(() => document.title.startsWith('retirement-example.Orbe'));
        await page.click('#calculate');
        await page.waitForSelector('#projection tbody tr');
        for (const view of kViews) {
            await page.click(`#tab-${view}`);
            // Each view as it stands once the workers' answers are in.
            if (view === 'plan') await page.waitForSelector('#plan-check:not([aria-busy])');
            if (view === 'risk') await page.waitForFunction(() => / paths: /.test(document.getElementById('risk-answer').textContent));
            if (view === 'whatif')
                await page.waitForFunction(
                    (before) => document.querySelector('#sensitivity tbody td')?.textContent &&
                        document.getElementById('sustainable').textContent !== '' && document.getElementById('horizon').textContent !== before,
                    {},
                    unanswered,
                );
            if (view === 'details') await page.waitForSelector('#year-details:not([aria-busy]) tbody tr');
            const wide = await page.evaluate(() => {
                const limit = document.documentElement.clientWidth;
                return [...document.querySelectorAll('body *')]
                    .filter((e) => e.checkVisibility() && !e.closest('.table-box, .scroll-box'))
                    .filter((e) => e.getBoundingClientRect().right > limit + 0.5)
                    .map((e) => `${e.tagName.toLowerCase()}${e.id ? '#' + e.id : ''}.${e.className}`)
                    .slice(0, 5);
            });
            const scrolls = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
            expect(wide.length === 0 && scrolls <= 0,
                `at ${screen.width} px the ${view} view is ${scrolls} px too wide: ${wide.join(', ')}`);
            if (screen.axe) await axe(page, `${view}, ${screen.name}`);
            if (shots) await page.screenshot({ path: join(shots, `${screen.name}-${view}.png`), fullPage: true });
        }
        if (screen.dark) {
            const [ground, line] = await page.evaluate(() => {
                const total = [...document.querySelectorAll('#chart .u-series')].find((s) => s.querySelector('.u-label')?.textContent === 'Total Assets');
                return [getComputedStyle(document.documentElement).backgroundColor, total && getComputedStyle(total.querySelector('.u-marker')).borderColor];
            });
            expect(ground === 'rgb(21, 23, 26)' && line === 'rgb(90, 169, 230)',
                `in the dark the page's ground is ${ground} and Total Assets is drawn ${line}`);
        }
        await page.close();
    }
}
