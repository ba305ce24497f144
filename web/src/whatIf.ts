// What If: the plan with its expenses scaled and its returns moved, projected by the core as
// the sliders move; sustainable spending to an age; the sensitivity grid. Texts as the
// desktop pane's. Below them, the choice of today's money for the chart and Year Details.
import type { Plan, Variant } from './core';
import type { CoreClient } from './coreClient';
import { el, firstTabStop, roving } from './dom';
import { inflationFrom, kMaxInflation, type MoneyDisplay } from './moneyDisplay';

const kPlanExpenses = 100;
const kPlanReturns = 0;
export const kGridReturnPoints = [-3, -2, -1, 0, 1, 2, 3];
export const kGridExpensePercents = [70, 80, 90, 100, 110, 120, 130];

// "+1 point", "-2 points", "0 points": the desktop's points with their sign.
export function pointsText(points: number): string {
    const signed = points > 0 ? `+${points}` : String(points);
    return points === 1 || points === -1 ? `${signed} point` : `${signed} points`;
}

function horizonText(variant: Variant, plan: Plan, firstYear: number): string {
    // No age before the birth year, as the desktop says none.
    const born = plan.birthDate?.[0];
    const age = born !== undefined && variant.horizon >= born ? `, age ${variant.horizon - born}` : '';
    if (variant.limitYear !== null) {
        const stop = `The projection stops at the calculation limit in ${variant.limitYear}`;
        if (variant.horizon < firstYear) return stop;
        return `Money lasts at least until ${variant.horizon}${age}. ${stop}`;
    }
    if (variant.firstUncoveredYear === null)
        return `Money lasts through ${variant.horizon}${age}, the last year projected`;
    if (variant.horizon < firstYear) return `Money does not last the first year, ${firstYear}`;
    return `Money lasts until ${variant.horizon}${age}`;
}

// The sustainable spending after "Sustainable spending to age N", as the desktop pane says it.
function sustainableText(found: { status: string; percent: number; limitYear: number }, returns: number): string {
    const moved = returns === kPlanReturns ? '' : ` with returns ${pointsText(returns)}`;
    switch (found.status) {
        case 'found':
            return `${found.percent} % of planned expenses${moved}`;
        case 'none':
            return `None: the money runs out before then even without expenses${moved}`;
        case 'limit':
            return `Unknown: the projection stops at the calculation limit in ${found.limitYear}${moved}`;
        case 'invalidBirthDate':
            return 'Enter a birth date in General Data to see ages and sustainable spending';
    }
    return 'Could not be calculated';
}

// The ages sustainable spending is found to, as orbelan-cli sustain takes them.
const kMaxAge = 1000;

// A whole number from min to max, or null.
function wholeNumber(text: string, min: number, max: number): number | null {
    const number = Number(text);
    return text.trim() !== '' && Number.isInteger(number) && number >= min && number <= max ? number : null;
}

function slider(id: string, min: number, max: number, value: number): HTMLInputElement {
    return el('input', { id, type: 'range', min, max, step: 1, value });
}

export class WhatIf {
    readonly element: HTMLElement;
    private readonly expenses = slider('expenses', 50, 150, kPlanExpenses);
    private readonly returns = slider('returns', -5, 5, kPlanReturns);
    private readonly expensesValue = el('output', { for: 'expenses', id: 'expenses-value' });
    private readonly returnsValue = el('output', { for: 'returns', id: 'returns-value' });
    private readonly horizon = el('p', { id: 'horizon', 'aria-live': 'polite' });
    private readonly age = el('input', { id: 'age', type: 'number', min: 0, max: kMaxAge, step: 1, value: 95 });
    private readonly sustainable = el('span', { id: 'sustainable', 'aria-live': 'polite' });
    private readonly grid = el('tbody');
    private readonly gridNote = el('p', { class: 'empty-note' });
    private unanswered: string | null = null;
    private readonly todaysMoney = el('input', {
        id: 'todays-money', type: 'checkbox',
        title: "Show the chart and Year Details in this year's money, discounted by the inflation",
    });
    private readonly inflation = el('input', {
        id: 'inflation', type: 'number', min: 0, max: kMaxInflation, step: 0.1,
        'aria-label': "Inflation for today's money", title: "The yearly inflation that today's money discounts by",
    });
    private plan: Plan | null = null;
    private firstYear = 0;
    private active = false;
    private stale = false;

    constructor(
        private readonly client: CoreClient,
        private readonly display: MoneyDisplay,
        private readonly showVariant: (variant: Variant | null) => void,
    ) {
        this.element = el(
            'div',
            { class: 'what-if' },
            el(
                'div',
                { class: 'sliders' },
                el('label', { for: 'expenses' }, 'Expenses:'),
                this.expenses,
                this.expensesValue,
                el('label', { for: 'returns' }, 'Returns:'),
                this.returns,
                this.returnsValue,
            ),
            this.horizon,
            el(
                'p',
                {},
                el('label', { for: 'age' }, 'Sustainable spending to age'),
                ' ',
                this.age,
                ' ',
                this.sustainable,
            ),
            el('p', {}, 'Money lasts until, by returns moved (rows) and expenses (columns):'),
            this.gridNote,
            el(
                'div',
                { class: 'scroll-box' },
                el(
                'table',
                { id: 'sensitivity', class: 'numbers sensitivity' },
                el('caption', {}, 'Sensitivity grid'),
                el(
                    'thead',
                    {},
                    el(
                        'tr',
                        {},
                        el('td'),
                        ...kGridExpensePercents.map((p) => el('th', { scope: 'col' }, `${p}%`)),
                    ),
                ),
                this.grid,
                ),
            ),
            el(
                'p',
                { class: 'money-display' },
                this.todaysMoney,
                el('label', { for: 'todays-money' }, "Show amounts in today's money at"),
                ' ',
                el('span', { class: 'nowrap' }, this.inflation, ' % inflation'),
            ),
        );
        this.showMoneyDisplay();
        this.todaysMoney.addEventListener('change', () => this.changeMoneyDisplay());
        this.inflation.addEventListener('change', () => this.changeMoneyDisplay());
        this.expenses.addEventListener('input', () => void this.project());
        this.returns.addEventListener('input', () => {
            void this.project();
            void this.sustain();
        });
        this.age.addEventListener('change', () => void this.sustain());
        roving(this.grid, 'td', kGridExpensePercents.length);
        this.grid.addEventListener('click', (event) => this.chooseCell(event.target as HTMLElement));
        this.grid.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') this.chooseCell(event.target as HTMLElement);
        });
        this.show(null, 0);
    }

    // The plan just calculated, or null when there is no projection; unanswered, for a plan
    // that gets no answers, says why. A new projection starts from the plan as it is, so the
    // sliders go back to it.
    show(plan: Plan | null, firstYear: number, unanswered: string | null = null): void {
        this.plan = plan;
        this.unanswered = unanswered;
        this.firstYear = firstYear;
        this.expenses.value = String(kPlanExpenses);
        this.returns.value = String(kPlanReturns);
        this.stale = true;
        if (this.active || !plan) this.update();
    }

    // Whether the view is on screen: its searches cost a while with many items, so they run
    // once the view is seen.
    setActive(active: boolean): void {
        this.active = active;
        if (active && this.stale) this.update();
    }

    private update(): void {
        this.stale = false;
        void this.project();
        void this.sustain();
        void this.fillGrid();
    }

    private markCell(): void {
        const expenses = Number(this.expenses.value);
        const returns = Number(this.returns.value);
        for (const cell of this.grid.querySelectorAll('td'))
            cell.classList.toggle(
                'marked',
                Number(cell.dataset.expenses) === expenses && Number(cell.dataset.returns) === returns,
            );
    }

    // The variant is worked out in the worker; its lines leave the chart at once when the
    // sliders come back to the plan.
    private async project(): Promise<void> {
        const expenses = Number(this.expenses.value);
        const returns = Number(this.returns.value);
        this.expensesValue.textContent = `${expenses} %`;
        this.returnsValue.textContent = pointsText(returns);
        this.markCell();
        const plan = this.plan;
        const changed = expenses !== kPlanExpenses || returns !== kPlanReturns;
        if (!changed || !plan) this.showVariant(null);
        if (!plan) {
            this.horizon.textContent = this.unanswered ?? 'Calculate the plan to see what if.';
            return;
        }
        const variant = await this.client.whatIf(expenses, returns);
        if (!variant || plan !== this.plan) return;
        if (variant.error) {
            this.horizon.textContent = 'Not enough memory to calculate this variant.';
            this.showVariant(null);
            return;
        }
        this.horizon.textContent = horizonText(variant, plan, this.firstYear);
        this.showVariant(changed ? variant : null);
    }

    private async sustain(): Promise<void> {
        const plan = this.plan;
        const age = wholeNumber(this.age.value, 0, kMaxAge);
        this.age.toggleAttribute('aria-invalid', plan !== null && age === null);
        if (!plan) {
            this.sustainable.textContent = '';
            return;
        }
        // As orbelan-cli sustain --until-age takes it.
        if (age === null) {
            this.sustainable.textContent = `Enter an age from 0 to ${kMaxAge}.`;
            return;
        }
        const returns = Number(this.returns.value);
        const found = await this.client.sustain(age, returns);
        if (found && plan === this.plan) this.sustainable.textContent = sustainableText(found, returns);
    }

    private async fillGrid(): Promise<void> {
        const plan = this.plan;
        const grid = plan ? await this.client.sensitivity() : null;
        if (grid === undefined || plan !== this.plan) return;
        this.gridNote.textContent = !plan
            ? (this.unanswered ?? 'Calculate the plan to see the grid.')
            : grid
              ? ''
              : 'The grid could not be calculated.';
        this.gridNote.hidden = this.gridNote.textContent === '';
        this.grid.replaceChildren(
            ...kGridReturnPoints.map((points, row) =>
                el(
                    'tr',
                    {},
                    el('th', { scope: 'row' }, points < 0 ? String(points) : `+${points}`),
                    ...kGridExpensePercents.map((percent, column) =>
                        el(
                            'td',
                            { 'data-expenses': percent, 'data-returns': points },
                            grid ? String(grid[row][column]) : '',
                        ),
                    ),
                ),
            ),
        );
        firstTabStop([...this.grid.querySelectorAll('td')]);
        this.markCell();
    }

    private showMoneyDisplay(): void {
        this.todaysMoney.checked = this.display.todaysMoney;
        this.inflation.value = this.display.inflation.toFixed(1);
    }

    // A rate that is no number goes back to the one in force, as the desktop's field does.
    private changeMoneyDisplay(): void {
        this.display.set(this.todaysMoney.checked, inflationFrom(this.inflation.value) ?? this.display.inflation);
        this.showMoneyDisplay();
    }

    // A cell moves the sliders to its variant.
    private chooseCell(target: HTMLElement): void {
        const cell = target.closest('td');
        if (!cell?.dataset.expenses) return;
        this.expenses.value = cell.dataset.expenses;
        this.returns.value = cell.dataset.returns ?? '0';
        void this.project();
        void this.sustain();
    }
}
