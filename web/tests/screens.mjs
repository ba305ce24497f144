// Every view on a desktop, a phone and in the dark: no view wider than the window, the dark
// theme on the page and the chart, axe-core's checks (contrast included) on the phone and in
// the dark. With ORBELAN_SCREENSHOTS set to a folder, each view is photographed there.
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

export async function checkScreens(site) {
    const { expect, openPage, axe } = site;
    const shots = process.env.ORBELAN_SCREENSHOTS;
    for (const screen of kScreens) {
        const { page } = await openPage({ width: screen.width, height: screen.height, dark: screen.dark });
        await (await page.$('#open')).uploadFile(join(examples, 'retirement-example.Orbe'));
        await page.waitForFunction(() => document.title.startsWith('retirement-example.Orbe'));
        await page.click('#calculate');
        await page.waitForSelector('#projection tbody tr');
        for (const view of kViews) {
            await page.click(`#tab-${view}`);
            if (view === 'risk') await page.waitForFunction(() => / paths: /.test(document.getElementById('risk-answer').textContent));
            if (view === 'whatif') await page.waitForFunction(() => document.querySelector('#sensitivity tbody td')?.textContent !== '');
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
