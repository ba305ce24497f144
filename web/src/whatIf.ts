// What If: the plan with its expenses scaled and its returns moved, projected by the core as
// the sliders move; sustainable spending to an age; the sensitivity grid. Their words are the
// core's, as the desktop pane says them. Below them, the choice of today's money for the chart and Year Details.
import type { Core, Plan, Variant } from './core';
import type { CoreClient } from './coreClient';
import { el, firstTabStop, roving } from './dom';
import { inflationFrom, type MoneyDisplay } from './moneyDisplay';

const kPlanExpenses = 100;
const kPlanReturns = 0;
// The grid's seven columns, as the core's grid has them.
const kGridColumns = 7;

// A whole number from min to max, or null.
function wholeNumber(text: string, min: number, max: number): number | null {
    const number = Number(text);
    return text.trim() !== '' && Number.isInteger(number) && number >= min && number <= max ? number : null;
}

function slider(id: string): HTMLInputElement {
    return el('input', { id, type: 'range', step: 1 });
}

// The range first, so that the value is not clipped to the one before.
function range(input: HTMLInputElement, min: number, max: number, value: number): void {
    input.min = String(min);
    input.max = String(max);
    input.value = String(value);
}

export class WhatIf {
    readonly element: HTMLElement;
    // Their ranges and the age's default are the core's, set with its words.
    private readonly expenses = slider('expenses');
    private readonly returns = slider('returns');
    private readonly expensesValue = el('output', { for: 'expenses', id: 'expenses-value' });
    private readonly returnsValue = el('output', { for: 'returns', id: 'returns-value' });
    private readonly horizon = el('p', { id: 'horizon', 'aria-live': 'polite' });
    private readonly age = el('input', { id: 'age', type: 'number', step: 1 });
    private readonly sustainable = el('span', { id: 'sustainable', 'aria-live': 'polite' });
    private readonly grid = el('tbody');
    private readonly gridNote = el('p', { class: 'empty-note' });
    private unanswered: string | null = null;
    private readonly todaysMoney = el('input', { id: 'todays-money', type: 'checkbox' });
    private readonly inflation = el('input', { id: 'inflation', type: 'number', min: 0, step: 0.1 });
    private plan: Plan | null = null;
    private active = false;
    private stale = false;
    // The variant of the sliders, drawn while the view is on screen.
    private drawn: Variant | null = null;
    private readonly gridHead = el('tr');
    private readonly legend = el('ul', { id: 'sensitivity-legend', class: 'grid-legend' });
    private readonly legendNote = el('p', { class: 'grid-note' });

    constructor(
        private readonly client: CoreClient,
        // The main thread's core, for the words of a slider's value and the view's own.
        private readonly core: Core,
        private readonly display: MoneyDisplay,
        private readonly showVariant: (variant: Variant | null) => void,
    ) {
        const { limits, controls } = core.texts;
        this.todaysMoney.title = controls.todaysMoneyTip;
        this.inflation.title = controls.inflationTip;
        this.inflation.setAttribute('aria-label', controls.inflation);
        this.legend.setAttribute('aria-label', controls.gridLegend);
        range(this.expenses, limits.minExpenses, limits.maxExpenses, kPlanExpenses);
        range(this.returns, -limits.maxReturns, limits.maxReturns, kPlanReturns);
        range(this.age, 0, limits.maxUntilAge, limits.defaultUntilAge);
        this.inflation.max = String(limits.maxInflation);
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
                el('label', { for: 'age' }, controls.sustainAge),
                ' ',
                this.age,
                ' ',
                this.sustainable,
            ),
            el('p', {}, core.texts.gridTitle),
            this.gridNote,
            el(
                'div',
                // Reached by keyboard, as a box that scrolls must be.
                { class: 'scroll-box', tabindex: 0, role: 'region', 'aria-label': controls.grid },
                el(
                'table',
                { id: 'sensitivity', class: 'numbers sensitivity' },
                el('caption', {}, controls.grid),
                el('thead', {}, this.gridHead),
                this.grid,
                ),
            ),
            this.legend,
            this.legendNote,
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
        this.age.addEventListener('change', () => {
            void this.sustain();
            void this.fillGrid();
        });
        roving(this.grid, 'td', kGridColumns);
        this.grid.addEventListener('click', (event) => this.chooseCell(event.target as HTMLElement));
        this.grid.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') this.chooseCell(event.target as HTMLElement);
        });
        this.show(null);
    }

    // The plan just calculated, or null when there is no projection; unanswered, for a plan
    // that gets no answers, says why. A new projection starts from the plan as it is, so the
    // sliders go back to it.
    show(plan: Plan | null, unanswered: string | null = null): void {
        this.plan = plan;
        this.unanswered = unanswered;
        this.expenses.value = String(kPlanExpenses);
        this.returns.value = String(kPlanReturns);
        this.stale = true;
        if (this.active || !plan) this.update();
    }

    // Whether the view is on screen: its searches cost a while with many items, so they run
    // once the view is seen.
    // Its lines are drawn only while it is: the other views' charts are the plan's own.
    setActive(active: boolean): void {
        this.active = active;
        if (active && this.stale) this.update();
        else this.showVariant(active ? this.drawn : null);
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
        this.returnsValue.textContent = this.core.pointsInWords(returns);
        this.markCell();
        const plan = this.plan;
        const changed = expenses !== kPlanExpenses || returns !== kPlanReturns;
        if (!changed || !plan) this.draw(null);
        if (!plan) {
            this.horizon.textContent = this.unanswered ?? this.core.texts.whatIfNeedsCalculation;
            return;
        }
        const variant = await this.client.whatIf(expenses, returns);
        if (!variant || plan !== this.plan) return;
        if (variant.error) {
            this.horizon.textContent = variant.error;
            this.draw(null);
            return;
        }
        this.horizon.textContent = variant.sentence;
        this.draw(changed ? variant : null);
    }

    private draw(variant: Variant | null): void {
        this.drawn = variant;
        if (this.active || !variant) this.showVariant(variant);
    }

    private async sustain(): Promise<void> {
        const plan = this.plan;
        const age = wholeNumber(this.age.value, 0, this.core.texts.limits.maxUntilAge);
        this.age.toggleAttribute('aria-invalid', plan !== null && age === null);
        if (!plan) {
            this.sustainable.textContent = '';
            return;
        }
        // As orbelan-cli sustain --until-age takes it.
        if (age === null) {
            this.sustainable.textContent = this.core.texts.enterUntilAge;
            return;
        }
        const returns = Number(this.returns.value);
        const found = await this.client.sustain(age, returns);
        if (found && plan === this.plan) this.sustainable.textContent = found.sentence;
    }

    // The grid's colours follow the age, as the desktop's do.
    private async fillGrid(): Promise<void> {
        const plan = this.plan;
        const { limits } = this.core.texts;
        const age = wholeNumber(this.age.value, 0, limits.maxUntilAge) ?? limits.defaultUntilAge;
        const grid = plan ? await this.client.sensitivity(age) : null;
        if (grid === undefined || plan !== this.plan) return;
        this.gridNote.textContent = !plan
            ? (this.unanswered ?? this.core.texts.gridNeedsCalculation)
            : grid
              ? ''
              : this.core.texts.gridNotCalculated;
        this.gridNote.hidden = this.gridNote.textContent === '';
        this.gridHead.replaceChildren(el('td'), ...(grid?.columns ?? []).map((c) => el('th', { scope: 'col' }, c)));
        this.grid.replaceChildren(
            ...(grid?.rows ?? []).map((heading, row) =>
                el(
                    'tr',
                    {},
                    el('th', { scope: 'row' }, heading),
                    ...grid!.cells[row].map((cell, column) =>
                        el(
                            'td',
                            {
                                'data-expenses': grid!.percents[column],
                                'data-returns': grid!.points[row],
                                class: `band-${cell.band}`,
                                title: cell.tip,
                            },
                            cell.text,
                        ),
                    ),
                ),
            ),
        );
        this.legend.replaceChildren(
            ...(grid?.legend ?? []).map((entry) =>
                el('li', {}, el('span', { class: `swatch band-${entry.band}`, 'aria-hidden': 'true' }), ' ', entry.text),
            ),
        );
        this.legendNote.textContent = grid?.note ?? '';
        this.legendNote.hidden = this.legendNote.textContent === '';
        firstTabStop([...this.grid.querySelectorAll('td')]);
        this.markCell();
    }

    private showMoneyDisplay(): void {
        this.todaysMoney.checked = this.display.todaysMoney;
        this.inflation.value = this.display.inflation.toFixed(1);
    }

    // A rate that is no number goes back to the one in force, as the desktop's field does.
    private changeMoneyDisplay(): void {
        this.display.set(this.todaysMoney.checked, inflationFrom(this.inflation.value, this.core.texts.limits.maxInflation) ?? this.display.inflation);
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
