// A plan's text after each of a long run of random edits (the general data, an item changed,
// added or removed), made from the text before the edit, is the plan's JSON; so is that of a
// plan sent from a worker as text with its items' places and edited on; the text in pieces
// joins to it. The page's module, bundled by esbuild, runs in Node.
import { build } from 'esbuild';
import { join } from 'node:path';

export async function checkPlanText(site) {
    const out = join(site.work, 'planText.mjs');
    await build({ entryPoints: [new URL('../src/planText.ts', import.meta.url).pathname], bundle: true, format: 'esm', outfile: out, logLevel: 'warning' });
    const { planText, planInText, planFromText, planTextPieces } = await import(out);
    const item = (n) => ({ name: `Item ${n} \u00e9`, initialAmount: n, initialDate: [2020, 1, 1], annualAmount: 2 * n, annualEnd: null, growthRate: 1065353216 });
    let plan = { birthDate: [1970, 1, 1], retirementAge: 65, retirementDate: null, taxRateBefore: 0, taxRateAfter: 0, incomes: [item(1), item(2)], expenses: [item(3)] };
    let seed = 1;
    const random = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
    const changedItem = (items) => items.map((it, i, all) => (i === random(all.length) ? item(random(100000)) : it));
    const edits = [
        (p) => ({ ...p, retirementAge: random(100) }),
        (p) => ({ ...p, birthDate: random(2) ? null : [1900 + random(200), 1, 1] }),
        (p) => ({ ...p, incomes: changedItem(p.incomes) }),
        (p) => ({ ...p, expenses: changedItem(p.expenses) }),
        (p) => ({ ...p, incomes: [...p.incomes, item(random(50))] }),
        (p) => ({ ...p, expenses: p.expenses.filter((_, i) => i !== random(p.expenses.length + 1)) }),
    ];
    const wrong = [];
    for (let n = 0; n < 3000 && wrong.length < 3; ++n) {
        plan = edits[random(edits.length)](plan);
        if (planText(plan) !== JSON.stringify(plan) || [...planTextPieces(plan)].join('') !== planText(plan))
            wrong.push(`after edit ${n}: ${planText(plan)}`);
        if (random(10) === 0) plan = await planFromText(planInText(plan));
    }
    site.expect(wrong.length === 0, `a plan's text after edits is not its JSON: ${wrong.join('; ')}`);
}
