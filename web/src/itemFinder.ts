// A list of a kind's items for plans of many items: the items whose names hold the text typed,
// a page of them at a time, each a button that shows its item in the form above. Worked out
// only while the list is open, so that an edit of a plan of many items costs nothing more.
import type { Core, Plan } from './core';
import { el } from './dom';
import { nameForDisplay } from './names';
import type { PlanState } from './state';

export const kItemsListed = 20;

// The indexes of the names that hold the text, ignoring case, the first `limit` of them, and
// how many there are in all.
export function matchingItems(names: readonly string[], text: string, limit: number): { shown: number[]; count: number } {
    const wanted = text.trim().toLowerCase();
    const shown: number[] = [];
    let count = 0;
    names.forEach((name, i) => {
        if (wanted !== '' && !name.toLowerCase().includes(wanted)) return;
        if (shown.length < limit) shown.push(i);
        ++count;
    });
    return { shown, count };
}

export function itemFinder(
    core: Core, state: PlanState, prefix: string, items: (plan: Plan) => readonly { name: string }[], show: (index: number) => void,
): HTMLElement {
    const search = el('input', { type: 'search', id: `${prefix}-find`, autocomplete: 'off', spellcheck: 'false' });
    const count = el('p', { id: `${prefix}-found`, class: 'found-count', 'aria-live': 'polite' });
    const list = el('ul', { class: 'found-items', 'aria-labelledby': `${prefix}-found` });
    const finder = el(
        'details',
        { class: 'item-finder', id: `${prefix}-finder` },
        el('summary', {}, 'Find an item'),
        el('div', { class: 'field' }, el('label', { for: search.id }, 'Name contains:'), search),
        count,
        list,
    );
    const render = () => {
        if (!finder.open) return;
        const all = items(state.plan);
        // Stored names are matched as stored; those shown are shown as every edition shows them.
        const { shown, count: found } = matchingItems(all.map((item) => item.name), search.value, kItemsListed);
        const more = found > shown.length ? `, the first ${shown.length} listed: type more of a name to find the others` : '';
        count.textContent = `${found.toLocaleString()} of ${all.length.toLocaleString()} items${more}.`;
        list.replaceChildren(
            ...shown.map((index) => {
                const button = el('button', { type: 'button', 'data-index': index }, `${index + 1}. ${nameForDisplay(core, all[index].name) || '(no name)'}`);
                return el('li', {}, button);
            }),
        );
    };
    finder.addEventListener('toggle', render);
    search.addEventListener('input', render);
    list.addEventListener('click', (event) => {
        const button = (event.target as HTMLElement).closest('button');
        if (button) show(Number(button.dataset.index));
    });
    state.listen(render);
    return finder;
}
