// Small helpers for building the page's elements.

type Attributes = Record<string, string | number | boolean | undefined>;

export function el<K extends keyof HTMLElementTagNameMap>(
    tag: K,
    attributes: Attributes = {},
    ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === undefined || value === false) continue;
        element.setAttribute(name, value === true ? '' : String(value));
    }
    element.append(...children);
    return element;
}

export function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`no element #${id}`);
    return element as T;
}

// A field with its label before it and its unit ("%", "years"), if any, after it.
export function labelled(input: HTMLElement, label: string, unit?: string): HTMLElement {
    const field = el('div', { class: 'field' }, el('label', { for: input.id }, label), input);
    if (unit) field.append(el('span', { class: 'unit' }, unit));
    return field;
}

// One tab stop for a list of cells: the arrow keys (and Home, End) move the focus among them,
// and Tab leaves. `columns` is the number of cells in a row, 1 for a list of rows.
export function roving(container: HTMLElement, selector: string, columns = 1): void {
    const cells = () => [...container.querySelectorAll<HTMLElement>(selector)];
    container.addEventListener('keydown', (event) => {
        const all = cells();
        const at = all.indexOf(event.target as HTMLElement);
        if (at < 0) return;
        const steps: Record<string, number> = {
            ArrowDown: columns,
            ArrowUp: -columns,
            ArrowRight: columns > 1 ? 1 : 0,
            ArrowLeft: columns > 1 ? -1 : 0,
            Home: -at,
            End: all.length - 1 - at,
        };
        const step = steps[event.key];
        if (step === undefined || step === 0) return;
        const next = all[Math.min(all.length - 1, Math.max(0, at + step))];
        event.preventDefault();
        all[at].tabIndex = -1;
        next.tabIndex = 0;
        next.focus();
    });
}

// Makes the first of the cells the tab stop, after they are filled anew.
export function firstTabStop(cells: HTMLElement[]): void {
    cells.forEach((cell, i) => (cell.tabIndex = i === 0 ? 0 : -1));
}
