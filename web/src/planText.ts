// A plan's JSON: a plan of many items crosses to the workers and into the browser's storage
// as text, which costs the page far less than copying its objects. Each item's text is made
// once and each plan's text once, with where each item's text is in it, so that the text of
// an edit, which changes the general data or one item, is the text before it with that part
// put in: the page never joins thousands of items' texts again for one edit.
import type { Plan } from './plan';

// A plan's text as planText writes it, with where each item's text is in it: the start and
// end of each income's, then of each expense's. A worker sends a plan this way, as one string
// and two buffers, which the page receives at once where an array of many strings takes long.
export interface PlanInText {
    general: string;
    text: string;
    incomes: Uint32Array<ArrayBuffer>;
    expenses: Uint32Array<ArrayBuffer>;
}

const texts = new WeakMap<object, string>();
// The plan whose text was made last, with where its items are: the plan an edit most likely
// changed.
let last: { plan: Plan; inText: PlanInText } | null = null;
const kIncomesStart = ',"incomes":[';

function textOf(value: object): string {
    let text = texts.get(value);
    if (text === undefined) texts.set(value, (text = JSON.stringify(value)));
    return text;
}

// The plan's text in pieces: its head, each item's text and what stands between them.
function* textPieces(plan: Plan): Generator<{ text: string; item: boolean }> {
    const { incomes, expenses, ...general } = plan;
    yield { text: JSON.stringify(general).slice(0, -1) + kIncomesStart, item: false };
    for (const [i, list] of [incomes, expenses].entries()) {
        if (i > 0) yield { text: '],"expenses":[', item: false };
        for (const [j, value] of list.entries()) {
            if (j > 0) yield { text: ',', item: false };
            yield { text: textOf(value), item: true };
        }
    }
    yield { text: ']}', item: false };
}

// The pieces of planText(plan), which a writer can take a share at a time where the text
// whole would have to be made at once.
export function* planTextPieces(plan: Plan): Generator<string> {
    for (const piece of textPieces(plan)) yield piece.text;
}

export function planInText(plan: Plan): PlanInText {
    const { incomes, expenses, ...general } = plan;
    const parts: string[] = [];
    const bounds = [new Uint32Array(incomes.length * 2), new Uint32Array(expenses.length * 2)];
    let at = 0;
    let items = 0;
    for (const { text, item } of textPieces(plan)) {
        if (item) {
            const list = items < incomes.length ? 0 : 1;
            const index = list === 0 ? items : items - incomes.length;
            bounds[list][2 * index] = at;
            bounds[list][2 * index + 1] = at + text.length;
            ++items;
        }
        parts.push(text);
        at += text.length;
    }
    return { general: JSON.stringify(general), text: parts.join(''), incomes: bounds[0], expenses: bounds[1] };
}

// The plan again, with its text and each item's, which then need not be made again. The items
// are read a share at a time, the page answering in between.
export async function planFromText(sent: PlanInText): Promise<Plan> {
    const kShare = 2000;
    const parsed = async (bounds: Uint32Array) => {
        const values: object[] = [];
        for (let i = 0; i < bounds.length; i += 2) {
            if (i > 0 && i % (2 * kShare) === 0) await new Promise((resolve) => setTimeout(resolve, 0));
            const text = sent.text.slice(bounds[i], bounds[i + 1]);
            const value = JSON.parse(text) as object;
            texts.set(value, text);
            values.push(value);
        }
        return values;
    };
    const plan: Plan = { ...JSON.parse(sent.general), incomes: await parsed(sent.incomes), expenses: await parsed(sent.expenses) };
    texts.set(plan, sent.text);
    last = { plan, inText: sent };
    return plan;
}

type List = 'incomes' | 'expenses';
// How a plan differs from the one before: at most one item, the same number in each list;
// the general data may differ too.
interface Difference {
    general: string;
    changed: { list: List; index: number } | null;
}

function difference(plan: Plan, before: Plan): Difference | null {
    if (plan.incomes.length !== before.incomes.length || plan.expenses.length !== before.expenses.length) return null;
    let changed: Difference['changed'] = null;
    for (const list of ['incomes', 'expenses'] as const) {
        const [now, then] = [plan[list], before[list]];
        // An edit of the general data or of the other list keeps the list itself.
        if (now === then) continue;
        for (let i = 0; i < now.length; ++i) {
            if (now[i] === then[i]) continue;
            if (changed) return null;
            changed = { list, index: i };
        }
    }
    const { incomes, expenses, ...general } = plan;
    return { general: JSON.stringify(general), changed };
}

// An edit as the core takes it (Core.editPlan): the general data's text and the list (0 none,
// 1 the incomes, 2 the expenses) and index of the item changed, with its text.
export interface PlanEdit {
    general: string;
    list: number;
    index: number;
    item: string;
}

// The edit that makes the plan of the one before, if it changed at most one item.
export function planEdit(plan: Plan, before: Plan): PlanEdit | null {
    const found = difference(plan, before);
    if (!found) return null;
    const { general, changed } = found;
    if (!changed) return { general, list: 0, index: 0, item: '' };
    return { general, list: changed.list === 'incomes' ? 1 : 2, index: changed.index, item: textOf(plan[changed.list][changed.index]) };
}

// The text of a plan that differs from the one before as difference() allows; null for any other.
function edited(plan: Plan, before: Plan, known: PlanInText): PlanInText | null {
    const found = difference(plan, before);
    if (!found) return null;
    const { general: generalText, changed } = found;
    const headBefore = known.general.length - 1 + kIncomesStart.length;
    const head = generalText.slice(0, -1) + kIncomesStart;
    const bounds = { incomes: known.incomes.slice(), expenses: known.expenses.slice() };
    // Moves the bounds from the entry given of the list on, and all of the lists after it.
    const shift = (list: List, from: number, by: number) => {
        if (by === 0) return;
        for (const each of list === 'incomes' ? (['incomes', 'expenses'] as const) : (['expenses'] as const))
            for (let i = each === list ? from : 0; i < bounds[each].length; ++i) bounds[each][i] += by;
    };
    shift('incomes', 0, head.length - headBefore);
    if (!changed) return { general: generalText, text: head + known.text.slice(headBefore), ...bounds };
    const { list, index } = changed;
    const [start, end] = [known[list][2 * index], known[list][2 * index + 1]];
    const item = textOf(plan[list][index]);
    shift(list, 2 * index + 1, item.length - (end - start));
    const text = head + known.text.slice(headBefore, start) + item + known.text.slice(end);
    return { general: generalText, text, ...bounds };
}

// How long the plan's text is if it was made, which the plan holds for as long as it lives;
// 0 if it was not.
export function madeTextLength(plan: Plan): number {
    return texts.get(plan)?.length ?? 0;
}

export function planText(plan: Plan): string {
    const known = texts.get(plan);
    if (known !== undefined) return known;
    const inText = (last && edited(plan, last.plan, last.inText)) ?? planInText(plan);
    texts.set(plan, inText.text);
    last = { plan, inText };
    return inText.text;
}
