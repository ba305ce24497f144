// The browser edition's core against the native orbelan-cli on the same random plan files:
// the same table, the same breakdown JSON, the same what-if answers, the same risk runs and
// paths and the same saved bytes, to the unit; an edit of the plan in use as the whole plan. Usage: node core-vs-cli.mjs MODULE_DIR ORBELAN_CLI [PLANS]
import './failure.mjs';
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { loadCore } from './load-core.mjs';
import { manyItemsPlan } from './many-items.mjs';
import { randomPlan, seededRandom } from './random-plans.mjs';

const [moduleDir, cli, planCount = '2000'] = process.argv.slice(2);
const run = promisify(execFile);
const core = await loadCore(moduleDir);
const folder = mkdtempSync(join(tmpdir(), 'orbelan-web-'));
const random = seededRandom(20260105);
const failures = [];

async function cliOutput(...args) {
    try {
        return (await run(cli, args, { maxBuffer: 64 << 20 })).stdout;
    } catch (error) {
        // Exit statuses such as 4 still print what was calculated.
        return error.stdout;
    }
}

function sustainLine(age) {
    const answer = JSON.parse(core.sustain(age, 0));
    if (answer.status === 'found') return `sustainable spending to age ${age}: ${answer.percent}%\n`;
    if (answer.status === 'none') return `sustainable spending to age ${age}: none\n`;
    if (answer.status === 'limit')
        return `sustainable spending to age ${age}: unknown, the projection stops at the calculation limit in ${answer.limitYear}\n`;
    return '';
}

// The grid's cells as the CSV writes them, "2039+" where a projection stopped at the limit.
function gridFromCsv(text) {
    return text
        .trim()
        .split('\n')
        .slice(1)
        .map((line) => line.split(',').slice(1));
}

// The risk run of every 100th plan with settings that vary, against orbelan-cli risk: the
// summary, the sentence of the plain output, and the worst path with its offsets.
const riskCases = [
    { paths: 1000, spread: 10, seed: '1' },
    { paths: 300, spread: 0, seed: '7' },
    { paths: 1000, spread: 50, seed: '18446744073709551615' },
    { paths: 10000, spread: 3, seed: '20261208' },
];

// The numbers of a sentence as orbelan-cli writes them.
const kCliNumbers = {
    whole: (n) => n.toLocaleString('en-US'),
    tenths: (t) => (t / 10).toFixed(1),
};

// The module's answers come before any wait, while the plan set is still this one.
async function riskDiffers(n, file, plan) {
    const { paths, spread, seed } = riskCases[(n / 100) % riskCases.length];
    const args = ['risk', file, '--paths', String(paths), '--spread', String(spread), '--seed', seed];
    core.setPlan(plan);
    const mine = JSON.parse(core.risk(paths, spread, seed, 95, undefined, kCliNumbers));
    const { status, successTenths, worstPath, medianPath, worstPathName, medianPathName, answer, ...summary } = mine;
    if (status !== 'done') return (await cliOutput(...args, '--json')) === '' ? [] : ['risk status'];
    const path = JSON.parse(core.riskPath(paths, spread, seed, 95, worstPath));
    const [json, plain, csv] = await Promise.all([
        cliOutput(...args, '--json'),
        cliOutput(...args),
        cliOutput(...args, '--path', String(worstPath)),
    ]);
    const differs = [];
    if (JSON.stringify(summary) !== JSON.stringify(JSON.parse(json))) differs.push('risk summary');
    if (!plain.startsWith(`${answer}\n`)) differs.push('risk answer');
    const rows = path.rows.map((r) => [...r.slice(0, 5), r[5] < 0 ? r[5] : `+${r[5]}`].join(','));
    if (['Year,Income,Total Assets,Available Assets,Withdrawals,Returns', ...rows, ''].join('\n') !== csv)
        differs.push('risk path');
    return differs;
}

// Year Details' lines of the plan's first year from the core, as the page gets them (asked
// before any wait, while the plan set is still this one), against orbelan-cli explain's text
// of that year: the same labels and amounts, line by line.
const written = (amount) => amount.toLocaleString('en-US');

function firstYearLines(csv) {
    const year = Number(csv.split('\n')[1]?.split(',')[0]);
    // orbelan-cli takes a YEAR that begins with '-' for an option.
    if (!Number.isInteger(year) || year < 0) return null;
    return { year, lines: JSON.parse(core.yearLines(year, false, 0, 0, { amount: written })) ?? [] };
}

async function yearDetailsDiffer(file, explained) {
    if (!explained) return [];
    const { year, lines } = explained;
    const text = (await cliOutput('explain', file, String(year))).split('\n').slice(0, -1);
    const same = text.length === lines.length && lines.every((line, i) => {
        const indent = line.emphasised ? 0 : 2 * line.depth;
        const shown = text[i].slice(indent);
        return text[i].startsWith(' '.repeat(indent)) && shown.startsWith(line.label) &&
            (line.amount === null ? shown === line.label : shown.endsWith(` ${written(line.amount)}`));
    });
    return same ? [] : ['year details'];
}

async function check(n) {
    const plan = randomPlan(random);
    const file = join(folder, `plan${n}.Orbe`);
    const bytes = core.planBytes(JSON.stringify(plan));
    writeFileSync(file, bytes);
    const opened = JSON.parse(core.openPlan(bytes));
    core.setPlan(JSON.stringify(opened.plan));
    const mine = {
        csv: core.projectionCsv(),
        // The page's table, from the rows its Calculate gives.
        rows: JSON.parse(core.calculate()).years.map((y) =>
            `${y.year},${y.income},${y.totalAssets},${y.availableAssets},${y.withdrawals}\n`).join(''),
        json: core.breakdownJson(),
        sustain: sustainLine(95),
        grid: JSON.parse(core.sensitivity(95))?.cells.map((row) => row.map((cell) => cell.text)),
    };
    const explained = n % 10 === 0 ? firstYearLines(mine.csv) : null;
    const [csv, json, sustain, grid] = await Promise.all([
        cliOutput('project', '--csv', file),
        cliOutput('explain', '--json', file),
        cliOutput('sustain', file),
        cliOutput('sensitivity', file),
    ]);
    const differs = [];
    if (mine.csv !== csv) differs.push('table');
    if (`${csv.slice(0, csv.indexOf('\n') + 1)}${mine.rows}` !== csv) differs.push("Calculate's rows");
    if (mine.json !== json) differs.push('breakdown');
    // A plan with no first year gets no answers from the page or orbelan-cli, only its check.
    if (JSON.parse(core.noFirstYear(JSON.stringify(opened.plan))) !== null) {
        const risk = await cliOutput('risk', file, '--paths', '1');
        if (sustain !== '' || grid !== '' || risk !== '') differs.push('answers for a plan with no first year');
    } else {
        if (mine.sustain !== sustain) differs.push('sustainable spending');
        if (JSON.stringify(mine.grid ?? []) !== JSON.stringify(grid ? gridFromCsv(grid) : []))
            differs.push('sensitivity');
        if (n % 100 === 0) differs.push(...(await riskDiffers(n, file, JSON.stringify(opened.plan))));
    }
    differs.push(...(await yearDetailsDiffer(file, explained)));
    if (n % 10 === 0) {
        const saved = join(folder, `saved${n}.Orbe`);
        await cliOutput('save', file, saved);
        if (Buffer.compare(readFileSync(saved), Buffer.from(bytes)) !== 0) differs.push('saved bytes');
    }
    if (differs.length) failures.push(`plan ${n} (${file}): ${differs.join(', ')} differ`);
}

// Today's money by the core's own function, on amounts worked by hand: today is 2026 and
// inflation 2 %.
const todaysMoneyCases = [
    [10000, 2027, 9804], // 10000 / 1.02 = 9803.92
    [1000, 2023, 1061], // 1000 x 1.02^3 = 1061.21
    [-1000, 2027, -980],
    [3e9, 2026, 2147483647], // a sum of Year Details past 32 bits shows at the limit
    [-2e9, 2020, -2147483648], // -2e9 x 1.02^6 leaves 32 bits
];
for (const [amount, year, shown] of todaysMoneyCases)
    if (core.todaysMoney(amount, 2.0, year, 2026) !== shown)
        failures.push(`${amount} of ${year} in today's money is ${core.todaysMoney(amount, 2.0, year, 2026)}, not ${shown}`);

// Names as written: UTF-8 as it is, anything else as Windows-1252.
for (const [stored, shown] of [['Caf\xc3\xa9', 'Café'], ['Caf\xe9 fund', 'Café fund'], ['\x80\x9f', '€Ÿ'], ['', '']])
    if (core.displayName(stored) !== shown) failures.push(`the name ${JSON.stringify(stored)} shows as ${core.displayName(stored)}`);

// An edit of the plan in use gives the projection of the plan edited whole; an edit the core
// cannot take leaves the plan as it was.
{
    const base = manyItemsPlan(core, 10);
    const projected = (plan) => (core.setPlan(JSON.stringify(plan)), core.calculate());
    const generalOf = ({ incomes, expenses, ...general }) => JSON.stringify(general);
    const replaced = (list, at, item) => list.map((old, n) => (n === at ? item : old));
    const income = { ...base.incomes[1], annualAmount: 90000 };
    const expense = { ...base.expenses[2], annualAmount: 70000 };
    const cases = [
        ['the general data', { ...base, retirementAge: 50, retirementDate: [2020, 6, 1] }, 0, 0, ''],
        ['the second income', { ...base, incomes: replaced(base.incomes, 1, income) }, 1, 1, JSON.stringify(income)],
        ['the third expense', { ...base, expenses: replaced(base.expenses, 2, expense) }, 2, 2, JSON.stringify(expense)],
        ['an expense past the end', null, 2, 3, JSON.stringify(expense)],
        ['an income that is not one', null, 1, 0, JSON.stringify({ ...income, taxable: 'yes' })],
        ['a list that is none', null, 3, 0, JSON.stringify(income)],
    ];
    for (const [what, edited, list, index, item] of cases) {
        const expected = projected(edited ?? base);
        core.setPlan(JSON.stringify(base));
        const taken = core.editPlan(generalOf(edited ?? base), list, index, item);
        if (taken !== (edited !== null) || core.calculate() !== expected) failures.push(`an edit of ${what} is ${taken ? 'taken' : 'refused'} and projects otherwise`);
    }
    core.setPlan(JSON.stringify(base));
    if (core.editPlan('{"birthDate":', 0, 0, '') || core.calculate() !== projected(base)) failures.push('an edit whose general data is not JSON changes the plan');
}

const started = Date.now();
const count = Number(planCount);
for (let n = 0; n < count; n += 2) await Promise.all([check(n), n + 1 < count ? check(n + 1) : null]);
const seconds = ((Date.now() - started) / 1000).toFixed(1);
if (failures.length) {
    console.error(failures.slice(0, 20).join('\n'));
    console.error(`core-vs-cli: ${failures.length} of ${count} plans differ (files kept in ${folder})`);
    process.exit(1);
}
rmSync(folder, { recursive: true });
console.log(`core-vs-cli: ${count} random plans agree with orbelan-cli (${seconds} s)`);
