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

// A label and its text field in one row of a form grid.
export function field(id: string, label: string, size = 10): HTMLInputElement {
    return el('input', { id, type: 'text', size, autocomplete: 'off', 'data-label': label });
}

export function labelled(input: HTMLElement, label: string): HTMLElement {
    return el('div', { class: 'field' }, el('label', { for: input.id }, label), input);
}
