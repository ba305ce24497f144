// The page's small rules, its modules bundled by esbuild and run in Node: amounts typed with
// the page's digit grouping, years in range, the keys' commands, the item list's matches, file
// names, and Redo beside Undo.
import { build } from 'esbuild';
import { join } from 'node:path';

export async function checkPageUnits(site) {
    const out = join(site.work, 'units.mjs');
    await build({
        stdin: {
            contents: [
                "export { withoutGrouping } from './numbers';",
                "export { readYear } from './exchange';",
                "export { commandOf } from './keys';",
                "export { matchingItems } from './itemFinder';",
                "export { fileNameOf } from './planName';",
                "export { csvNameOf } from './exports';",
                "export { PlanState } from './state';",
            ].join('\n'),
            resolveDir: new URL('../src', import.meta.url).pathname,
        },
        bundle: true, format: 'esm', outfile: out, logLevel: 'warning', platform: 'neutral',
    });
    const units = await import(out);
    const { expect } = site;
    const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

    for (const [text, locale, expected] of [
        ['50,000', 'en-US', '50000'], [' -1,234,567 ', 'en-US', '-1234567'], ['+2,000', 'en-US', '+2000'],
        ['50.000', 'de-DE', '50000'], ['50\u202f000', 'fr-FR', '50000'], ['50 000', 'fr-FR', '50000'],
        // Not grouped as the page groups: left for the core to refuse.
        ['5,00', 'en-US', '5,00'], ['50,0000', 'en-US', '50,0000'], [',500', 'en-US', ',500'], ['1,5', 'de-DE', '1,5'],
        ['50.000', 'en-US', '50.000'], ['3000000000', 'en-US', '3000000000'],
    ]) {
        const got = units.withoutGrouping(text, locale);
        expect(got === expected, `"${text}" in ${locale} reads as "${got}", not "${expected}"`);
    }

    const range = { firstYear: 100, lastYear: 9999 };
    for (const [text, stored, expected] of [
        ['1990', [1985, 6, 15], [1990, 6, 15]], ['100', null, [100, 1, 1]], ['9999', [2000, 1, 1], [9999, 1, 1]],
        ['', [1985, 6, 15], [1985, 6, 15]], ['99', [1985, 6, 15], undefined], ['10000', null, undefined],
        ['19855', [1985, 1, 1], undefined], ['0', [1985, 1, 1], undefined], ['1985.5', null, undefined],
    ]) {
        const got = units.readYear(text, stored, range);
        expect(same(got, expected), `the year "${text}" of ${stored} reads as ${JSON.stringify(got)}`);
    }

    const press = (key, ...held) => ({ key, ctrlKey: held.includes('ctrl'), metaKey: held.includes('meta'), shiftKey: held.includes('shift'), altKey: held.includes('alt') });
    for (const [key, expected] of [
        [press('s', 'ctrl'), 'save'], [press('S', 'meta'), 'save'], [press('z', 'ctrl'), 'undo'], [press('Z', 'ctrl', 'shift'), 'redo'],
        [press('y', 'ctrl'), 'redo'], [press('F1'), 'help'], [press('s'), null], [press('S', 'ctrl', 'shift'), null],
        [press('z', 'ctrl', 'alt'), null], [press('F1', 'shift'), null], [press('y', 'ctrl', 'shift'), null],
    ]) {
        const got = units.commandOf(key);
        expect(got === expected, `${JSON.stringify(key)} is the command ${got}, not ${expected}`);
    }

    const names = ['Salary', 'Savings', 'Rent', 'Car loan', 'savings bonds'];
    for (const [text, limit, expected] of [
        ['', 3, { shown: [0, 1, 2], count: 5 }], ['sav', 10, { shown: [1, 4], count: 2 }], [' RENT ', 10, { shown: [2], count: 1 }],
        ['a', 1, { shown: [0], count: 4 }], ['boat', 10, { shown: [], count: 0 }],
    ]) {
        const got = units.matchingItems(names, text, limit);
        expect(same(got, expected), `"${text}" finds ${JSON.stringify(got)}`);
    }

    for (const [typed, expected] of [
        ['My plan', 'My plan'], ['  home.Orbe ', 'home.Orbe'], ['../up/there', '_up_there'], ['a:b*c?', 'a_b_c_'], ['   ', null], ['...', null],
    ]) {
        const got = units.fileNameOf(typed);
        expect(got === expected, `"${typed}" is named "${got}"`);
    }
    for (const [plan, expected] of [['household.Orbe', 'household.csv'], ['old.ORB', 'old.csv'], ['notes.txt', 'notes.txt.csv'], ['.Orbe', 'Untitled.csv']]) {
        const got = units.csvNameOf(plan);
        expect(got === expected, `${plan} exports as ${got}`);
    }

    // Undo twice, Redo once: the plan of the first edit; a new edit forgets what was undone.
    const state = new units.PlanState({ n: 0 });
    state.change({ n: 1 });
    state.change({ n: 2 });
    state.undo();
    state.undo();
    const redone = state.redo() && state.plan.n === 1 && state.modified && state.canRedo;
    state.change({ n: 3 });
    expect(redone && !state.canRedo && !state.redo() && state.plan.n === 3 && state.undo() && state.plan.n === 1,
        'Redo does not follow Undo');
    state.undo();
    state.redo();
    state.undo();
    expect(!state.modified && state.canRedo, 'Undo after Redo, back to the plan as opened, leaves it marked changed');
}
