// The plan's forms: General Data and the Income and Expenses item browsers, with the desktop
// dialogs' fields, messages and defaults. They stay on the page, so unlike the dialogs they
// have no OK: each field's value goes into the plan as soon as it is changed, and Undo takes
// it back.
import type { Core, ExpenseItem, IncomeItem, Plan } from './core';
import { el, labelled } from './dom';
import { Exchange } from './exchange';
import { type FieldChecks, labelOf } from './fieldChecks';
import { itemFinder } from './itemFinder';
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

// The general data with the retirement date derived from the birth date and age, by the core
// from the general data alone: the items need not cross over.
function withRetirementDate(core: Core, plan: Plan): Plan {
    const { retirementDate } = core.withRetirementDate({ ...plan, incomes: [], expenses: [] });
    return { ...plan, retirementDate };
}

export function generalDataForm(core: Core, state: PlanState, checks: FieldChecks): HTMLElement {
    const birthDate = year('birthDate');
    const retirementAge = text('retirementAge', 6);
    const taxRateBefore = text('taxRateBefore', 10);
    const taxRateAfter = text('taxRateAfter', 10);
    const exchange = new Exchange(core);
    exchange.date(birthDate, 'birthDate');
    exchange.rate(taxRateBefore, 'taxRateBefore');
    exchange.rate(taxRateAfter, 'taxRateAfter');
    exchange.integer(retirementAge, 'retirementAge');

    const form = el(
        'fieldset',
        { class: 'dialog', id: 'general' },
        el('legend', {}, 'General Data'),
        el(
            'div',
            { class: 'grid two' },
            labelled(birthDate, 'Birth Date:'),
            labelled(taxRateBefore, 'Tax Rate Before Retirement:', '%'),
            labelled(retirementAge, 'Retirement Age:', 'years'),
            labelled(taxRateAfter, 'Tax Rate After Retirement:', '%'),
        ),
    );
    exchange.onChange((control) => {
        const read = exchange.read(control, state.plan);
        if ('error' in read) {
            checks.refuse(control, read.error, `${labelOf(control)} in General Data`);
            return;
        }
        checks.accept(control);
        if (read.changed) state.change(withRetirementDate(core, read.value));
    });
    state.listen((replaced) => {
        if (replaced) checks.clear(form);
        exchange.show(state.plan, (control) => checks.has(control));
    });
    exchange.show(state.plan);
    return form;
}

interface ItemKind<T> {
    title: string;
    // "Income item", to say where a field is.
    itemName: string;
    prefix: string;
    income: boolean;
    items(plan: Plan): T[];
    withItems(plan: Plan, items: T[]): Plan;
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
            labelled(growthRate, 'Growth Rate:', '%'),
        ),
    ];
}

export const incomeKind: ItemKind<IncomeItem> = {
    title: 'Income',
    itemName: 'Income item',
    prefix: 'income',
    income: true,
    items: (plan) => plan.incomes,
    withItems: (plan, incomes) => ({ ...plan, incomes }),
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
                el('span', { class: 'unit' }, '%,'),
                el('label', { for: rateAfter.id }, 'After:'),
                rateAfter,
                el('span', { class: 'unit' }, '%'),
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
    itemName: 'Expense item',
    prefix: 'expense',
    income: false,
    items: (plan) => plan.expenses,
    withItems: (plan, expenses) => ({ ...plan, expenses }),
    ownFields: () => [],
};

// One item at a time, like the desktop's item dialogs: Prev and Next walk the list (and
// wrap), Insert and Add make an item with the dialogs' defaults, Delete removes the item
// shown while at least two are left. A field's value is stored when it is changed; the list
// is left only once every field of the item shown holds a value the plan takes.
export function itemBrowser<T extends { name: string }>(core: Core, state: PlanState, kind: ItemKind<T>, checks: FieldChecks) {
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
    };
    let current = 0;
    const count = () => kind.items(state.plan).length;

    const show = () => {
        current = Math.min(current, Math.max(0, count() - 1));
        const item = kind.items(state.plan)[current];
        fields.toggleAttribute('inert', !item);
        fields.classList.toggle('empty', !item);
        if (item) exchange.show(item, (control) => checks.has(control));
        position.textContent = item ? `Item ${current + 1} of ${count()}` : 'No items';
        buttons.prev.disabled = buttons.next.disabled = count() < 2;
        buttons.remove.disabled = count() < 2;
    };

    exchange.onChange((control) => {
        const items = kind.items(state.plan);
        if (!items[current]) return;
        const read = exchange.read(control, items[current]);
        if ('error' in read) {
            checks.refuse(control, read.error, `${labelOf(control)} of ${kind.itemName} ${current + 1}`);
            return;
        }
        checks.accept(control);
        if (!read.changed) return;
        const changed = items.slice();
        changed[current] = read.value;
        state.change(kind.withItems(state.plan, changed));
    });
    // False, with the field to correct shown, while a field of the item holds a refused value.
    const canLeave = (): boolean => {
        const refused = checks.first('leave this item', fields);
        if (refused) void showMessage(refused.text, refused.control);
        return !refused;
    };
    const insertAt = (index: number) => {
        if (!canLeave()) return;
        // The dialogs' defaults, made by the core from the general data alone.
        const made = core.insertItem({ ...state.plan, incomes: [], expenses: [] }, kind.income, 0);
        const items = kind.items(state.plan).slice();
        items.splice(index, 0, kind.items(made)[0]);
        current = index;
        state.change(kind.withItems(state.plan, items));
        fields.querySelector('input')?.focus();
    };

    buttons.prev.addEventListener('click', () => {
        if (!canLeave()) return;
        current = current > 0 ? current - 1 : count() - 1;
        show();
    });
    buttons.next.addEventListener('click', () => {
        if (!canLeave()) return;
        current = current + 1 < count() ? current + 1 : 0;
        show();
    });
    buttons.insert.addEventListener('click', () => insertAt(current));
    buttons.add.addEventListener('click', () => insertAt(count()));
    buttons.remove.addEventListener('click', () => {
        checks.clear(fields);
        const items = kind.items(state.plan).slice();
        items.splice(current, 1);
        state.change(kind.withItems(state.plan, items));
    });
    state.listen((replaced) => {
        if (replaced) {
            current = 0;
            checks.clear(fields);
        }
        show();
    });
    show();
    const form = el(
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
    );
    form.insertBefore(
        itemFinder(core, state, kind.prefix, kind.items, (index) => {
            form.dispatchEvent(new CustomEvent('show-item', { detail: index }));
            fields.querySelector('input')?.focus();
        }),
        fields,
    );
    // A plan check's fix shows the item it names, or makes a first one in an empty list.
    form.addEventListener('show-item', (event) => {
        if (!canLeave()) return;
        const item = (event as CustomEvent<number | null>).detail;
        if (count() === 0) {
            insertAt(0);
            return;
        }
        current = Math.min(Math.max(item ?? 0, 0), count() - 1);
        show();
    });
    return form;
}
