// Undo keeps a hundred edits of a plan of ordinary size, back to the plan as saved; the plans
// it keeps hold at most 64 Mi characters of made texts, the oldest dropped first, yet always
// the last, so that the last edit can be undone. The page's modules, bundled by esbuild, run
// in Node.
import { build } from 'esbuild';
import { join } from 'node:path';

export async function checkUndo(site) {
    const out = join(site.work, 'state.mjs');
    await build({
        stdin: { contents: "export { PlanState } from './state'; export { planText } from './planText';", resolveDir: new URL('../src', import.meta.url).pathname },
        bundle: true, format: 'esm', outfile: out, logLevel: 'warning',
    });
    const { PlanState, planText } = await import(out);
    const item = (name) => ({ name, initialAmount: 1, initialDate: null, annualAmount: 0, annualStart: null, annualEnd: null, growthRate: 0 });
    const general = { birthDate: null, retirementAge: 65, retirementDate: null, taxRateBefore: 0, taxRateAfter: 0 };
    // The plans numbered, without keeping alive those that Undo lets go.
    const numbers = new WeakMap();
    const numbered = (n, items) => {
        const plan = { ...general, incomes: items, expenses: [] };
        numbers.set(plan, n);
        return plan;
    };
    // Each plan's text made, as the page makes it to send the plan whole after an item is added.
    const edited = (state, n, items) => {
        state.change(numbered(n, items));
        planText(state.plan);
    };
    const undoneTo = (state) => {
        const seen = [];
        while (state.undo()) seen.push(numbers.get(state.plan));
        return seen.join(' ');
    };

    const state = new PlanState(numbered(0, []));
    for (let n = 1; n <= 100; ++n) edited(state, n, [item(`Item ${n}`)]);
    const hundred = Array.from({ length: 100 }, (_, i) => 99 - i).join(' ');
    site.expect(undoneTo(state) === hundred && !state.modified, 'Undo does not take a hundred small edits back to the plan saved');

    // Ten items of a little over 1 Mi characters each: texts of about 10.5 M characters, six
    // of which fit in 64 Mi.
    const mi = 'n'.repeat(1 << 20);
    const bounded = new PlanState(numbered(0, []));
    for (let n = 1; n <= 20; ++n) edited(bounded, n, Array.from({ length: 10 }, (_, i) => item(`${mi}${n}.${i}`)));
    const six = undoneTo(bounded);
    site.expect(six === '19 18 17 16 15 14' && bounded.modified, `Undo of plans of 10.5 M characters goes back to plans ${six}`);
    // A plan over the bound alone is still kept, for the edit after it.
    edited(bounded, 21, Array.from({ length: 65 }, (_, i) => item(`${mi}${i}`)));
    edited(bounded, 22, []);
    const one = undoneTo(bounded);
    site.expect(one === '21', `Undo after a plan of 68 M characters goes back to plans ${one}`);
}
