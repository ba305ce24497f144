// Year Details: how one row came about, item by item, with the desktop pane's lines; a row of
// the plan's projection or of the risk path drawn on the chart, with the path's returns.
import type { Core, ExplanationLine, ExplanationText, Projection } from './core';
import { el } from './dom';
import type { MoneyDisplay } from './moneyDisplay';
import { nameForDisplay } from './names';
import type { ShownPath } from './riskView';
import { pointsText } from './whatIf';

// "Worst path, no. 256", to begin a line.
function capitalised(text: string): string {
    return text.charAt(0).toUpperCase() + text.slice(1);
}

export class YearDetails {
    readonly element: HTMLElement;
    private readonly source: HTMLSelectElement;
    private readonly select: HTMLSelectElement;
    private readonly body: HTMLTableSectionElement;
    private readonly note: HTMLElement;
    private readonly amountHeader = el('th', { scope: 'col' }, 'Amount');
    private projection: Projection | null = null;
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

    show(projection: Projection | null): void {
        this.projection = projection;
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
        const year = Number(this.select.value);
        // Amounts in the year's money, shown as the table and chart show them.
        const shown = (amount: number) => this.display.shown(amount, year).toLocaleString();
        const text: ExplanationText = { name: nameForDisplay, amount: shown };
        if (this.source.value === 'path' && this.path) {
            const { name, settings, path } = this.path;
            const explained = this.core.explainPathYear(settings, path, year, text);
            if (!explained) return;
            // Short, as the desktop's narrow pane has it: "Worst path, no. 37: returns moved by -3 points".
            this.add({
                depth: 0,
                label: `${capitalised(name)}: returns moved by ${pointsText(explained.returns)}`,
                amount: null,
                emphasised: true,
            }, shown);
            for (const line of explained.lines) this.add(line, shown);
            return;
        }
        if (!this.projection?.years.some((y) => y.year === year)) return;
        for (const line of this.core.yearLines(year, text) ?? []) this.add(line, shown);
    }

    // A line indented by its depth; an emphasised one is a sentence read whole across both
    // columns, as on the desktop.
    private add(line: ExplanationLine, shown: (amount: number) => string): void {
        const label = el('th', { scope: 'row', colspan: line.emphasised ? 2 : undefined }, line.label);
        this.body.append(
            el(
                'tr',
                { class: `level${line.depth}${line.emphasised ? ' emphasised' : ''}` },
                label,
                ...(line.emphasised ? [] : [el('td', {}, line.amount === null ? '' : shown(line.amount))]),
            ),
        );
    }
}
