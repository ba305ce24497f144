// orbelan-cli risk against a reference of its own: on random plan files, every path is read
// from `risk --path K` and the summary of `risk --json` is worked out again from those paths
// alone: the paths that last, ran out or stopped at the calculation limit, and each year's
// percentiles over every path (one that ran out counts 0 after its last row, one stopped at
// the limit ranks above every amount: null where a percentile falls on it). Each path's
// returns are checked against the generator written out again here, and a path without spread
// against `project --csv`. The core is used only to write the plan files.
// Usage: node risk-reference.mjs MODULE_DIR ORBELAN_CLI [PLANS]
import { execFile } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { loadCore } from './load-core.mjs';
import { randomPlan, rateBits, seededRandom } from './random-plans.mjs';

const [moduleDir, cli, planCount = '300'] = process.argv.slice(2);
const run = promisify(execFile);
const core = await loadCore(moduleDir);
const folder = mkdtempSync(join(tmpdir(), 'orbelan-risk-'));
const random = seededRandom(20261208);
const failures = [];
const tally = { plans: 0, paths: 0, years: 0, ranOut: 0, beyondLimit: 0, nullPercentiles: 0, allAtLimit: 0 };

// Exit statuses such as 4 (a projection stopped at the limit) still print what was calculated.
async function cliRun(...args) {
    return run(cli, args, { maxBuffer: 64 << 20 }).catch((error) => {
        if (typeof error.stdout !== 'string' || error.stdout === '') throw error;
        return error;
    });
}

// The path's offsets: splitmix64 seeded by seed ^ (path * 0xD1B54A32D192ED03), twelve
// uniforms of its top 53 bits summed, minus six, times the spread, rounded half away from 0.
const kMask = (1n << 64n) - 1n;
function offsets(seed, spread, path, count) {
    let state = (BigInt(seed) ^ ((BigInt(path) * 0xd1b54a32d192ed03n) & kMask)) & kMask;
    const next = () => {
        state = (state + 0x9e3779b97f4a7c15n) & kMask;
        let z = state;
        z = ((z ^ (z >> 30n)) * 0xbf58476d1ce4e5b9n) & kMask;
        z = ((z ^ (z >> 27n)) * 0x94d049bb133111ebn) & kMask;
        return z ^ (z >> 31n);
    };
    const result = [];
    for (let r = 0; r < count; ++r) {
        let sum = 0;
        for (let u = 0; u < 12; ++u) sum += Number(next() >> 11n) * 2 ** -53;
        const scaled = spread * (sum - 6);
        result.push(Math.sign(scaled) * Math.round(Math.abs(scaled)));
    }
    return result;
}

// One path as `risk --path` prints it: its rows' years and Total Assets, its returns, and the
// year the calculation limit stopped it, if it did.
async function readPath(file, settings, k) {
    const { stdout, stderr } = await cliRun('risk', file, ...settings, '--path', String(k));
    const lines = stdout.trim().split('\n');
    if (lines[0] !== 'Year,Income,Total Assets,Available Assets,Withdrawals,Returns')
        throw new Error(`path ${k} starts ${lines[0]}`);
    const rows = lines.slice(1).map((line) => line.split(','));
    const limit = stderr.match(/The projection stops at the calculation limit in (-?\d+)/);
    return {
        csv: stdout,
        years: rows.map((r) => Number(r[0])),
        totals: rows.map((r) => Number(r[2])),
        returns: rows.map((r) => Number(r[5])),
        limitYear: limit ? Number(limit[1]) : null,
    };
}

function percentile(sorted, count, p) {
    const index = Math.ceil((p * count) / 100) - 1;
    return index < sorted.length ? sorted[index] : null;
}

function reference(paths, firstYear, horizonYear) {
    let successes = 0;
    let stoppedAtLimit = 0;
    for (const path of paths) {
        const last = path.years.length ? path.years[path.years.length - 1] : firstYear - 1;
        // Ran out: the last row is the year not fully paid; a full hundred rows did not run out.
        const uncovered = path.limitYear ?? (path.years.length < 100 ? last : null);
        if (uncovered === null || uncovered > horizonYear) ++successes;
        else if (path.limitYear !== null) ++stoppedAtLimit;
    }
    const rows = Math.max(...paths.map((p) => p.years.length));
    const years = [];
    for (let r = 0; r < rows; ++r) {
        const amounts = [];
        let ranOut = 0;
        let beyondLimit = 0;
        for (const path of paths) {
            if (r < path.years.length) amounts.push(path.totals[r]);
            else if (path.limitYear !== null) ++beyondLimit;
            else ++ranOut;
        }
        const withRow = amounts.length;
        for (let n = 0; n < ranOut; ++n) amounts.push(0);
        amounts.sort((a, b) => a - b);
        years.push({
            year: firstYear + r,
            paths: withRow,
            ranOut,
            beyondLimit,
            p10: percentile(amounts, paths.length, 10),
            p50: percentile(amounts, paths.length, 50),
            p90: percentile(amounts, paths.length, 90),
        });
    }
    return { successes, stoppedAtLimit, years };
}

const kPaths = [1, 2, 3, 7, 10, 24, 40];
const kSpreads = [0, 2, 10, 25, 50];
const kAges = [60, 80, 95, 120];

async function check(n) {
    const plan = randomPlan(random, { maxIncomes: 4, maxExpenses: 3 });
    // One plan in four grows fast enough to meet the calculation limit on some paths.
    if (n % 4 === 1) for (const income of plan.incomes) income.rateBefore = income.rateAfter = rateBits(20 + (n % 40));
    const file = join(folder, `plan${n}.Orbe`);
    writeFileSync(file, core.planBytes(JSON.stringify(plan)));
    const paths = kPaths[n % kPaths.length];
    const spread = kSpreads[Math.floor(n / kPaths.length) % kSpreads.length];
    const untilAge = kAges[n % kAges.length];
    const seed = String(BigInt(Math.floor(random() * 2 ** 32)) * 4294967311n);
    const settings = ['--paths', String(paths), '--spread', String(spread), '--seed', seed, '--until-age', String(untilAge)];
    const [{ stdout: json }, { stdout: projected }, ...read] = await Promise.all([
        cliRun('risk', '--json', file, ...settings),
        cliRun('project', '--json', file),
        ...Array.from({ length: paths }, (_, k) => readPath(file, settings, k)),
    ]);
    const summary = JSON.parse(json);
    const { firstYear } = JSON.parse(projected);
    const horizonYear = plan.birthDate[0] + untilAge;
    const expected = {
        paths, spread, seed: Number(seed), untilAge, horizonYear, ...reference(read, firstYear, horizonYear),
    };
    const differs = [];
    // The seed may pass 2^53: compared as the digits printed.
    if (!json.includes(`"seed": ${seed},`)) differs.push('seed');
    summary.seed = expected.seed;
    if (JSON.stringify(summary) !== JSON.stringify(expected)) differs.push(`summary ${json.slice(0, 400)}\nexpected ${JSON.stringify(expected).slice(0, 400)}`);
    read.forEach((path, k) => {
        if (JSON.stringify(path.returns) !== JSON.stringify(offsets(seed, spread, k, path.returns.length))) differs.push(`path ${k}'s returns`);
    });
    if (spread === 0) {
        const { stdout: own } = await cliRun('project', '--csv', file);
        const withReturns = own.trim().split('\n').map((line, i) => `${line},${i === 0 ? 'Returns' : '+0'}`).join('\n');
        if (read[0].csv.trim() !== withReturns) differs.push('path 0 without spread');
    }
    if (differs.length) failures.push(`plan ${n} (${file}): ${differs.join('; ')}`);
    ++tally.plans;
    tally.paths += paths;
    tally.years += summary.years.length;
    for (const year of summary.years) {
        tally.ranOut += year.ranOut > 0;
        tally.beyondLimit += year.beyondLimit > 0;
        tally.nullPercentiles += [year.p10, year.p50, year.p90].filter((p) => p === null).length;
    }
    tally.allAtLimit += summary.stoppedAtLimit === paths;
}

const started = Date.now();
const count = Number(planCount);
for (let n = 0; n < count; n += 2) await Promise.all([check(n), n + 1 < count ? check(n + 1) : null]);
const seconds = ((Date.now() - started) / 1000).toFixed(1);
if (failures.length) {
    console.error(failures.slice(0, 10).join('\n'));
    console.error(`risk-reference: ${failures.length} of ${count} plans differ (files kept in ${folder})`);
    process.exit(1);
}
rmSync(folder, { recursive: true });
console.log(
    `risk-reference: ${count} random plans (${tally.paths} paths, ${tally.years} years) agree with the reference; ` +
        `years with paths that ran out: ${tally.ranOut}, beyond the limit: ${tally.beyondLimit}; ` +
        `percentiles beyond the limit: ${tally.nullPercentiles}; plans with every path at the limit: ${tally.allAtLimit} (${seconds} s)`,
);
