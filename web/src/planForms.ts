// The plan's forms: the General Data dialog and the Income and Expenses item browsers, with
// the desktop dialogs' fields, order of checks, messages and defaults.
import type { Core, ExpenseItem, IncomeItem, Plan } from './core';
import { el, labelled } from './dom';
import { Exchange } from './exchange';
import { showMessage } from './messages';
import type { PlanState } from './state';

function text(id: string, size: number): HTMLInputElement {
    return el('input', { id, type: 'text', size, autocomplete: 'off', spellcheck: 'false' });
}

function year(id: string): HTMLInputElement {
    return el('input', { id, type: 'number', min: 100, max: 9999, step: 1, class: 'year' });
}

function checkbox(id: string): HTMLInputElement {
    return el('input', { id, type: 'checkbox' });
}

function button(label: string, id: string): HTMLButtonElement {
    return el('button', { type: 'button', id }, label);
}

function checkLabel(input: HTMLInputElement, label: string): HTMLElement {
    return el('div', { class: 'field check' }, input, el('label', { for: input.id }, label));
}

export function generalDataForm(core: Core, state: PlanState): HTMLElement {
    const birthDate = year('birthDate');
    const retirementAge = text('retirementAge', 6);
    const taxRateBefore = text('taxRateBefore', 10);
    const taxRateAfter = text('taxRateAfter', 10);
    const exchange = new Exchange(core);
    // The order in which the values are read, and so which refusal comes first.
    exchange.date(birthDate, 'birthDate');
    exchange.rate(taxRateBefore, 'taxRateBefore');
    exchange.rate(taxRateAfter, 'taxRateAfter');
    exchange.integer(retirementAge, 'retirementAge');

    const ok = button('OK', 'general-ok');
    const cancel = button('Cancel', 'general-cancel');
    const form = el(
        'fieldset',
        { class: 'dialog', id: 'general' },
        el('legend', {}, 'General Data'),
        el(
            'div',
            { class: 'grid two' },
            labelled(birthDate, 'Birth Date:'),
            labelled(taxRateBefore, 'Tax Rate Before Retirement:'),
            labelled(retirementAge, 'Retirement Age:'),
            labelled(taxRateAfter, 'Tax Rate After Retirement:'),
        ),
        el('div', { class: 'closing' }, ok, cancel),
    );
    const show = () => exchange.show(state.plan);
    ok.addEventListener('click', () => {
        const read = exchange.read(state.plan);
        if ('error' in read) {
            void showMessage(read.error, read.control);
            return;
        }
        // Also derives the retirement date from the birth date just stored.
        state.change(core.withRetirementDate(read.value));
    });
    cancel.addEventListener('click', show);
    state.listen(show);
    show();
    return form;
}

interface ItemKind<T> {
    title: string;
    prefix: string;
    income: boolean;
    items(plan: Plan): T[];
    // The fields of the kind's own, below the name and amounts that every item has.
    ownFields(exchange: Exchange, id: (name: string) => string): HTMLElement[];
}

// The name and amounts, which income and expense items share.
function itemFields(exchange: Exchange, id: (name: string) => string): HTMLElement[] {
    const name = text(id('name'), 40);
    const initialAmount = text(id('initialAmount'), 10);
    const initialDate = year(id('initialDate'));
    const annualAmount = text(id('annualAmount'), 10);
    const annualStart = year(id('annualStart'));
    const annualEnd = year(id('annualEnd'));
    const growthRate = text(id('growthRate'), 8);
    exchange.integer(initialAmount, 'initialAmount');
    exchange.date(initialDate, 'initialDate');
    exchange.integer(annualAmount, 'annualAmount');
    exchange.date(annualStart, 'annualStart');
    exchange.date(annualEnd, 'annualEnd');
    exchange.rate(growthRate, 'growthRate');
    exchange.name(name, 'name');
    return [
        el('div', { class: 'grid one' }, labelled(name, 'Item Name:')),
        el(
            'div',
            { class: 'grid amounts' },
            labelled(initialAmount, 'Initial Amount:'),
            labelled(initialDate, 'Start Date:'),
            el('span'),
            el('span'),
            labelled(annualAmount, 'Annual Amount:'),
            labelled(annualStart, 'Start Date:'),
            labelled(annualEnd, 'End Date:'),
            labelled(growthRate, 'Growth Rate:'),
        ),
    ];
}

export const incomeKind: ItemKind<IncomeItem> = {
    title: 'Income',
    prefix: 'income',
    income: true,
    items: (plan) => plan.incomes,
    ownFields(exchange, id) {
        const taxable = checkbox(id('taxable'));
        const rateSwitchDate = year(id('rateSwitchDate'));
        rateSwitchDate.setAttribute('aria-label', 'Interest Rate Switch Date');
        const rateBefore = text(id('rateBefore'), 8);
        rateBefore.setAttribute('aria-label', 'Interest Rate Before');
        const rateAfter = text(id('rateAfter'), 8);
        rateAfter.setAttribute('aria-label', 'Interest Rate After');
        const withdrawalStart = year(id('withdrawalStart'));
        const withdrawalTaxable = checkbox(id('withdrawalTaxable'));
        exchange.date(rateSwitchDate, 'rateSwitchDate');
        exchange.rate(rateBefore, 'rateBefore');
        exchange.rate(rateAfter, 'rateAfter');
        exchange.date(withdrawalStart, 'withdrawalStart');
        exchange.check(taxable, 'taxable');
        exchange.check(withdrawalTaxable, 'withdrawalTaxable');
        return [
            checkLabel(taxable, 'Taxable'),
            el(
                'div',
                { class: 'row' },
                el('label', { for: rateSwitchDate.id }, 'Interest Rate Before'),
                rateSwitchDate,
                el('label', { for: rateBefore.id }, ':'),
                rateBefore,
                el('span', {}, ','),
                el('label', { for: rateAfter.id }, 'After:'),
                rateAfter,
            ),
            el(
                'fieldset',
                { class: 'group' },
                el('legend', {}, 'Eligible Withdrawals From Above Income'),
                el(
                    'div',
                    { class: 'row' },
                    labelled(withdrawalStart, 'Start Date:'),
                    checkLabel(withdrawalTaxable, 'Taxable'),
                ),
            ),
        ];
    },
};

export const expenseKind: ItemKind<ExpenseItem> = {
    title: 'Expenses',
    prefix: 'expense',
    income: false,
    items: (plan) => plan.expenses,
    ownFields: () => [],
};

// One item at a time, like the desktop's item dialogs: Prev and Next walk the list (and
// wrap), Insert and Add make an item with the dialogs' defaults, Delete removes the item
// shown while at least two are left. OK stores the fields, Cancel shows the stored item
// again; moving to another item stores the fields first.
export function itemBrowser<T extends object>(core: Core, state: PlanState, kind: ItemKind<T>) {
    const exchange = new Exchange(core);
    const id = (name: string) => `${kind.prefix}-${name}`;
    const fields = el('div', { class: 'item-fields' }, ...itemFields(exchange, id), ...kind.ownFields(exchange, id));
    const position = el('p', { id: id('position'), class: 'position', 'aria-live': 'polite' });
    const buttons = {
        prev: button('Prev', id('prev')),
        next: button('Next', id('next')),
        insert: button('Insert', id('insert')),
        add: button('Add', id('add')),
        remove: button('Delete', id('delete')),
        ok: button('OK', id('ok')),
        cancel: button('Cancel', id('cancel')),
    };
    let current = 0;
    const count = () => kind.items(state.plan).length;

    const show = () => {
        current = Math.min(current, Math.max(0, count() - 1));
        const item = kind.items(state.plan)[current];
        fields.toggleAttribute('inert', !item);
        fields.classList.toggle('empty', !item);
        if (item) exchange.show(item);
        position.textContent = item ? `Item ${current + 1} of ${count()}` : 'No items';
        buttons.prev.disabled = buttons.next.disabled = count() < 2;
        buttons.remove.disabled = count() < 2;
        buttons.ok.disabled = buttons.cancel.disabled = !item;
    };

    // Stores the fields into the item shown; false after a refusal.
    const store = (): boolean => {
        const items = kind.items(state.plan);
        if (items.length === 0) return true;
        const read = exchange.read(items[current]);
        if ('error' in read) {
            void showMessage(read.error, read.control);
            return false;
        }
        if (JSON.stringify(read.value) === JSON.stringify(items[current])) return true;
        const plan = structuredClone(state.plan);
        kind.items(plan)[current] = read.value;
        state.change(plan);
        return true;
    };
    const insertAt = (index: number) => {
        if (!store()) return;
        current = index;
        state.change(core.insertItem(state.plan, kind.income, index));
        fields.querySelector('input')?.focus();
    };

    buttons.prev.addEventListener('click', () => {
        if (!store()) return;
        current = current > 0 ? current - 1 : count() - 1;
        show();
    });
    buttons.next.addEventListener('click', () => {
        if (!store()) return;
        current = current + 1 < count() ? current + 1 : 0;
        show();
    });
    buttons.insert.addEventListener('click', () => insertAt(current));
    buttons.add.addEventListener('click', () => insertAt(count()));
    buttons.remove.addEventListener('click', () => {
        const plan = structuredClone(state.plan);
        kind.items(plan).splice(current, 1);
        state.change(plan);
    });
    buttons.ok.addEventListener('click', () => void store());
    buttons.cancel.addEventListener('click', show);
    state.listen((replaced) => {
        if (replaced) current = 0;
        show();
    });
    show();
    return el(
        'fieldset',
        { class: 'dialog', id: kind.prefix },
        el('legend', {}, kind.title),
        el(
            'div',
            { class: 'navigation' },
            position,
            buttons.prev,
            buttons.next,
            buttons.insert,
            buttons.add,
            buttons.remove,
        ),
        fields,
        el('div', { class: 'closing' }, buttons.ok, buttons.cancel),
    );
}
