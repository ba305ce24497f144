// What a user expects of the page on a phone and a desktop: on a 360 x 740 touch screen every
// control of the five views at least 44 x 44 CSS pixels (a checkbox by its label), no view
// wider than the screen and axe-core content, light and dark; a finger drawn across the chart
// moves through the years. The window's help, opened by F1 at the view's part and followed by
// its links; the CSV export equal to orbelan-cli project --csv; a print of every row without
// the toolbar; amounts typed as the page writes them, values out of range refused in the
// window's words; Ctrl+S, Redo, a new plan named before its download; the chart's legend and
// Enter on a row. With ORBELAN_SCREENSHOTS set, the phone's views are photographed there.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const here = new URL('.', import.meta.url).pathname;
const household = join(here, '..', '..', 'examples', 'household.Orbe');
const kFive = ['plan', 'projection', 'whatif', 'risk', 'scenarios'];
const kFinger = 44;

async function openExample(site, options) {
    const { page } = await site.openPage(options);
    if (options?.touch) await page.setViewport({ width: options.width, height: options.height, hasTouch: true, isMobile: true });
    await (await page.$('#open')).uploadFile(household);
    await page.waitForFunction(() => document.title.startsWith('household.Orbe'));
    await page.click('#calculate');
    await page.waitForSelector('#projection tbody tr');
    return page;
}

// The controls of the view on screen smaller than a finger, with their sizes.
function smallControls(page, least) {
    return page.evaluate((least) => {
        const controls = document.querySelectorAll('button, input, select, textarea, summary, a[href], [tabindex], [role="tab"]');
        return [...controls]
            .filter((control) => control.checkVisibility() && !control.closest('dialog'))
            .map((control) => {
                const box = (control.type === 'checkbox' ? control.labels?.[0] : control) ?? control;
                const { width, height } = box.getBoundingClientRect();
                return { name: `${control.tagName.toLowerCase()}#${control.id}`, width, height };
            })
            .filter(({ width, height }) => width < least || height < least)
            .map(({ name, width, height }) => `${name} ${width.toFixed(0)}x${height.toFixed(0)}`);
    }, least);
}

async function checkTouch(site) {
    const shots = process.env.ORBELAN_SCREENSHOTS;
    for (const dark of [false, true]) {
        const page = await openExample(site, { width: 360, height: 740, dark, touch: true });
        for (const view of [...kFive, 'details']) {
            await page.click(`#tab-${view}`);
            if (view === 'plan') await page.click('#income-finder summary');
            if (view === 'risk') await page.waitForFunction(() => / paths: /.test(document.getElementById('risk-answer').textContent));
            if (view === 'whatif') await page.waitForFunction(() => document.querySelector('#sensitivity tbody td')?.textContent);
            const small = kFive.includes(view) ? await smallControls(page, kFinger) : [];
            const wider = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
            site.expect(small.length === 0 && wider <= 0,
                `on a 360 px touch screen${dark ? ', dark,' : ''} the ${view} view is ${wider} px too wide and has small controls: ${small.join(', ')}`);
            await site.axe(page, `${view}, touch${dark ? ', dark' : ''}`);
            if (shots) await page.screenshot({ path: join(shots, `touch${dark ? '-dark' : ''}-${view}.png`), fullPage: true });
        }
        await page.close();
    }
    // A finger drawn across the plot moves the chart's year, from the first to a later one.
    const page = await openExample(site, { width: 360, height: 740, touch: true });
    const plot = await page.$eval('#chart .u-over', (e) => {
        e.scrollIntoView();
        const { left, top, width, height } = e.getBoundingClientRect();
        return { left, top, width, height };
    });
    const y = plot.top + plot.height / 2;
    await page.touchscreen.touchStart(plot.left + 2, y);
    await site.settled(page, () => document.querySelector('.chart-readout').textContent !== '');
    const first = await page.$eval('.chart-readout', (e) => e.textContent);
    await page.touchscreen.touchMove(plot.left + plot.width / 2, y);
    await page.touchscreen.touchMove(plot.left + plot.width - 2, y);
    // Touch moves reach the page with its frames, after the move is sent.
    await site.settled(page, () => Number(document.querySelector('.chart-readout').textContent.slice(0, 4)) > 2100);
    const last = await page.$eval('.chart-readout', (e) => e.textContent);
    await page.touchscreen.touchEnd();
    expectYears(site, first, last);
    await page.close();
}

function expectYears(site, first, last) {
    const year = (text) => Number(text.slice(0, 4));
    site.expect(first.startsWith('2026: ') && year(last) > 2100, `a finger across the chart reads out "${first.slice(0, 20)}", then "${last.slice(0, 20)}"`);
}

// The help: F1 opens the part about the view on screen, the links lead among the pages, and
// the words are the window's own files'.
async function checkHelp(site) {
    const page = await openExample(site, { width: 1200, height: 900 });
    await page.click('#tab-risk');
    await page.keyboard.press('F1');
    await page.waitForSelector('#help[open] #help-page h1');
    const risk = await page.evaluate(() => {
        const heading = document.querySelector('#help-page a[name="risk"]').parentElement;
        const page = document.getElementById('help-page').getBoundingClientRect();
        return [heading.textContent, Math.abs(heading.getBoundingClientRect().top - page.top) < 40, document.activeElement.id];
    });
    site.expect(risk[0] === 'Risk' && risk[1] && risk[2] === 'help-page', `F1 on the Risk view shows ${JSON.stringify(risk)}`);
    await site.axe(page, 'help');
    // The contents, then each of their links to the views' parts.
    await page.click('#help-contents');
    await page.waitForFunction(() => document.querySelector('#help-page h1')?.textContent === 'Orbelan Help');
    const file = readFileSync(join(here, '..', '..', 'src', 'app', 'help', 'projection.html'), 'utf8');
    for (const [link, heading] of [['Risk', 'Risk'], ['What if', 'What if'], ['Year Details', 'Chart and year details'], ['Scenarios', 'Scenarios']]) {
        await page.click('#help-contents');
        await page.waitForFunction(() => document.querySelector('#help-page h1')?.textContent === 'Orbelan Help');
        await page.evaluate((text) => [...document.querySelectorAll('#help-page a')].find((a) => a.textContent === text).click(), link);
        await page.waitForFunction(() => document.querySelector('#help-page h1')?.textContent === 'Calculating the projection');
        const shown = await page.$$eval('#help-page h2', (headings) => headings.map((h) => h.textContent));
        site.expect(shown.includes(heading) && file.includes(`</a>${heading}</h2>`), `the help's link ${link} shows the headings ${shown.join(', ')}`);
    }
    const words = await page.$eval('#help-page', (e) => e.textContent);
    site.expect(['The seed numbers the set of paths', 'Every plan is run on the same paths', 'Sustainable spending to age'].every((w) => words.includes(w)),
        'the help does not explain Risk, Scenarios and What If');
    await page.keyboard.press('Escape');
    const closed = await page.$eval('#help', (d) => !d.open);
    site.expect(closed, 'Esc leaves the help open');
    await page.close();
}

// The projection exported and printed; the chart's legend, the band and What If's lines.
async function checkExports(site) {
    const page = await openExample(site, { width: 1200, height: 900 });
    await page.click('#export-csv');
    const saved = await site.downloaded('household.csv');
    const csv = (await site.cliOutput('project', '--csv', household)).stdout;
    site.expect(saved !== null && readFileSync(saved, 'utf8') === csv && csv.split('\n').length > 90,
        'Export CSV does not download orbelan-cli project --csv of the household example');
    // Before a year is pointed at, no legend entry reads "Year:" or ends in a colon.
    const legend = await page.$eval('#chart .u-legend', (e) => e.innerText);
    site.expect(!legend.includes('Year') && !legend.includes(':') && legend.includes('Retirement 2052'), `before hovering the legend reads ${legend}`);
    // Printed: no toolbar, every row of the projection inside the page.
    await page.emulateMediaType('print');
    const printed = await page.evaluate(() => {
        const box = document.querySelector('#projection').parentElement;
        const rows = document.querySelectorAll('#projection tbody tr');
        return [document.querySelector('.toolbar').checkVisibility(), box.scrollHeight - box.clientHeight, rows.length];
    });
    site.expect(!printed[0] && printed[1] <= 0 && printed[2] === csv.trim().split('\n').length - 1,
        `printed, the toolbar shows (${printed[0]}) and the table hides ${printed[1]} px of its ${printed[2]} rows`);
    await page.emulateMediaType(null);
    // Enter on a row takes the focus into Year Details.
    await page.click('#tab-projection');
    await page.focus('#projection tbody tr:first-child');
    await page.keyboard.press('Enter');
    const focused = await page.evaluate(() => document.activeElement.id);
    site.expect(focused === 'detail-year', `after Enter on a row the focus is on #${focused}`);
    // The band's entry gives both its edges; What If's lines leave Risk's chart.
    await page.click('#tab-whatif');
    await page.$eval('#expenses', (slider) => {
        slider.value = '80';
        slider.dispatchEvent(new Event('input'));
    });
    await page.waitForFunction(() => document.getElementById('chart').innerText.includes('(what if)'));
    await page.click('#tab-risk');
    await page.waitForFunction(() => / paths: /.test(document.getElementById('risk-answer').textContent));
    await page.waitForFunction(() => document.getElementById('chart').innerText.includes('percentile'));
    await page.focus('#chart');
    await page.keyboard.press('End');
    const risk = await page.$eval('#chart', (e) => e.innerText);
    const band = /10th to 90th percentile of paths:?\s*(-?[\d,]+) to (-?[\d,]+)/.exec(risk);
    const edges = band ? [band[1], band[2]].map((n) => Number(n.replaceAll(',', ''))) : [];
    site.expect(!risk.includes('(what if)') && edges.length === 2 && edges[0] <= edges[1],
        `the Risk chart after What If reads ${risk.replace(/\s+/g, ' ').slice(0, 300)}`);
    await page.click('#tab-whatif');
    await page.waitForFunction(() => document.getElementById('chart').innerText.includes('(what if)'));
    await page.close();
}

// Fields, keys and names.
async function checkTyping(site) {
    const page = await openExample(site, { width: 1200, height: 900 });
    await page.click('#tab-plan');
    const typed = async (id, text) => {
        await site.typeInto(page, id, text);
        await page.keyboard.press('Tab');
        return page.$eval(`#${id}`, (input) => {
            const error = document.getElementById(`${input.id}-error`);
            return error && !error.hidden ? error.textContent : `taken ${input.value}`;
        });
    };
    const cases = [
        ['income-initialAmount', '50,000', 'taken 50000'],
        ['income-annualAmount', '-1,250,000', 'taken -1250000'],
        ['income-initialAmount', '3000000000', 'Enter an integer from -2147483648 to 2147483647.'],
        ['income-initialAmount', '5,00', 'Please enter an integer.'],
        ['birthDate', '19855', 'Enter a year from 100 to 9999.'],
        ['birthDate', '0', 'Enter a year from 100 to 9999.'],
        ['birthDate', '1986', 'taken 1986'],
    ];
    for (const [id, text, expected] of cases) {
        const said = await typed(id, text);
        site.expect(said === expected, `"${text}" typed in #${id} gives "${said}", not "${expected}"`);
    }
    await typed('income-initialAmount', '0');
    // Undo and Redo by keys; Ctrl+S saves the plan, not the page.
    const key = async (...keys) => {
        for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
        await page.keyboard.press(keys[keys.length - 1]);
        for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
    };
    await page.click('h1');
    const birth = () => page.$eval('#birthDate', (input) => input.value);
    await key('Control', 'z');
    await key('Control', 'z');
    const undone = await birth();
    await key('Control', 'Shift', 'Z');
    const redone = await birth();
    await key('Control', 'z');
    await key('Control', 'y');
    site.expect(undone === '1985' && redone === '1986' && (await birth()) === '1986', `Undo, Redo gave birth years ${undone}, ${redone}, ${await birth()}`);
    await key('Control', 's');
    await page.waitForFunction(() => document.getElementById('notice-text').textContent.startsWith('Downloaded household.Orbe'));
    // A new plan is named before its first download. New first asks whether to keep the copy
    // of the plan downloaded, which the page cannot see arrive; Enter keeps it.
    await page.click('#new');
    await page.waitForSelector('#question[open]');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.title.startsWith('Untitled.Orbe'));
    await page.click('#save');
    await page.waitForSelector('#plan-name[open]');
    await page.keyboard.type('My plan');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('notice-text').textContent.startsWith('Downloaded'));
    const [title, notice] = await page.evaluate(() => [document.title, document.getElementById('notice-text').textContent]);
    site.expect(title.startsWith('My plan.Orbe') && notice.startsWith('Downloaded My plan.Orbe.'), `a new plan named "My plan" saves as ${title}: ${notice}`);
    await page.close();
}

export async function checkPhone(site) {
    await checkTouch(site);
    await checkHelp(site);
    await checkExports(site);
    await checkTyping(site);
}
