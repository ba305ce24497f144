// Year Details: how one row came about, item by item, with the desktop pane's lines; a row of
// the plan's projection or of the risk path drawn on the chart, with the path's returns.
import type { Core, Plan, Projection, YearBreakdown } from './core';
import { el } from './dom';
import type { MoneyDisplay } from './moneyDisplay';
import { nameForDisplay } from './names';
import type { ShownPath } from './riskView';
import { pointsText } from './whatIf';

// What is taken off shows with a minus sign, and nothing taken off as 0 rather than -0.
function minus(amount: number): number {
    return amount === 0 ? 0 : -amount;
}

// "Worst path, no. 256", to begin a line.
function capitalised(text: string): string {
    return text.charAt(0).toUpperCase() + text.slice(1);
}

function itemName(stored: string | undefined, fallback: string): string {
    return stored ? nameForDisplay(stored) : fallback;
}

export class YearDetails {
    readonly element: HTMLElement;
    private readonly source: HTMLSelectElement;
    private readonly select: HTMLSelectElement;
    private readonly body: HTMLTableSectionElement;
    private readonly note: HTMLElement;
    private readonly amountHeader = el('th', { scope: 'col' }, 'Amount');
    private projection: Projection | null = null;
    private plan: Plan | null = null;
    private path: ShownPath | null = null;

    constructor(
        private readonly core: Core,
        private readonly display: MoneyDisplay,
    ) {
        this.source = el('select', { id: 'detail-rows' });
        this.select = el('select', { id: 'detail-year' });
        this.body = el('tbody');
        this.note = el('p', { class: 'empty-note' }, 'Calculate the plan, then choose a year.');
        this.element = el(
            'div',
            { class: 'year-details' },
            el(
                'div',
                { class: 'row' },
                el('label', { for: 'detail-rows' }, 'Rows of:'),
                this.source,
                el('label', { for: 'detail-year' }, 'Year:'),
                this.select,
            ),
            this.note,
            el(
                'table',
                { id: 'year-details', class: 'details' },
                el('caption', {}, 'Year details'),
                el('thead', {}, el('tr', {}, el('th', { scope: 'col' }, 'Item'), this.amountHeader)),
                this.body,
            ),
        );
        this.source.addEventListener('change', () => this.listYears());
        this.select.addEventListener('change', () => this.fill());
        display.listen(() => this.fill());
        this.showPath(null);
    }

    show(projection: Projection | null, plan: Plan): void {
        this.projection = projection;
        this.plan = plan;
        this.listYears();
    }

    // The risk path drawn on the chart, offered beside the plan's rows and chosen; null
    // takes it away.
    showPath(path: ShownPath | null): void {
        this.path = path;
        this.source.replaceChildren(
            el('option', { value: 'plan' }, 'The plan'),
            ...(path ? [el('option', { value: 'path' }, capitalised(path.name))] : []),
        );
        this.source.value = path ? 'path' : 'plan';
        this.source.disabled = !path;
        this.listYears();
    }

    // A year of the plan's own projection.
    choose(year: number): void {
        this.source.value = 'plan';
        this.listYears();
        this.select.value = String(year);
        this.fill();
    }

    private listYears(): void {
        const chosen = this.select.value;
        const years = this.source.value === 'path'
            ? (this.path?.projection.rows ?? []).map((row) => row[0])
            : (this.projection?.years ?? []).map((y) => y.year);
        this.select.replaceChildren(...years.map((year) => el('option', { value: year }, String(year))));
        if (years.some((year) => String(year) === chosen)) this.select.value = chosen;
        this.select.disabled = years.length === 0;
        this.note.hidden = years.length > 0;
        this.fill();
    }

    private fill(): void {
        this.amountHeader.textContent = this.display.todaysMoney ? `Amount in ${this.display.currentYear} money` : 'Amount';
        this.body.replaceChildren();
        if (!this.plan) return;
        if (this.source.value === 'path' && this.path) {
            const { name, settings, path } = this.path;
            const year = this.core.explainPathYear(settings, path, Number(this.select.value));
            // Short, as the desktop's narrow pane has it: "Worst path, no. 37: returns moved by -3 points".
            if (year) this.lines(year, this.plan, `${capitalised(name)}: returns moved by ${pointsText(year.returns)}`);
            return;
        }
        const year = this.projection?.years.find((y) => String(y.year) === this.select.value);
        if (year) this.lines(year, this.plan);
    }

    private lines(year: YearBreakdown, plan: Plan, pathLine?: string): void {
        const shown = (amount: number) => this.display.shown(amount, year.year).toLocaleString();
        const add = (level: number, label: string, amount?: number) =>
            this.body.append(
                el(
                    'tr',
                    { class: `level${level}` },
                    el('th', { scope: 'row' }, label),
                    el('td', {}, amount === undefined ? '' : shown(amount)),
                ),
            );
        if (pathLine) add(0, pathLine);
        add(0, `Year ${year.year}`);
        add(0, 'Income items', year.income);
        for (const income of year.incomes) {
            const source = plan.incomes[income.item];
            add(1, itemName(source?.name, `Income item ${income.item + 1}`));
            add(2, 'Opening balance', income.opening);
            if (income.initial !== 0) add(2, 'Initial amount', income.initial);
            if (income.annual !== 0) add(2, 'Annual amount', income.annual);
            add(2, `Interest at ${income.interestRate} %`, income.interest);
            if (source?.taxable) add(2, 'Income tax', minus(income.tax));
            add(2, 'Credited', income.credited);
            add(2, 'Withdrawn', minus(income.withdrawn));
            add(2, 'Closing balance', income.closing);
        }
        const spent = year.expenses.reduce((sum, e) => sum + e.initial + e.annual, 0);
        add(0, 'Expenses', spent);
        for (const expense of year.expenses) {
            if (expense.initial === 0 && expense.annual === 0) continue;
            add(1, itemName(plan.expenses[expense.item]?.name, `Expense item ${expense.item + 1}`));
            if (expense.initial !== 0) add(2, 'Initial amount', expense.initial);
            if (expense.annual !== 0) add(2, 'Annual amount', expense.annual);
        }
        add(0, 'Withdrawals', year.withdrawals);
        year.draws.forEach((draw, order) => {
            const name = itemName(plan.incomes[draw.item]?.name, `Income item ${draw.item + 1}`);
            add(1, `${order + 1}. ${name}`);
            add(2, draw.taxRate === 0 ? 'Gross' : `Gross at ${draw.taxRate} % tax`, draw.gross);
            add(2, 'Taken', draw.taken);
            add(2, 'Received', draw.received);
        });
        add(0, year.covered ? 'All expenses paid' : `${shown(year.unpaid)} could not be paid`);
    }
}
