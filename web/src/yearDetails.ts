// Year Details: how one row came about, item by item, with the desktop pane's lines; a row of
// the plan's projection or of the risk path drawn on the chart, with the path's returns.
import type { ExplanationLine, Projection, Texts } from './core';
import type { CoreClient } from './coreClient';
import { el } from './dom';
import type { MoneyDisplay } from './moneyDisplay';
import { lineAt, lineCount, type PackedLines } from './packedLines';
import type { ShownPath } from './riskView';

// "Worst path, no. 256", to begin a line.
function capitalised(text: string): string {
    return text.charAt(0).toUpperCase() + text.slice(1);
}

const kLinesAtOnce = 500;

export class YearDetails {
    readonly element: HTMLElement;
    private readonly source: HTMLSelectElement;
    private readonly select: HTMLSelectElement;
    private readonly body: HTMLTableSectionElement;
    private readonly note: HTMLElement;
    private readonly amountHeader: HTMLElement;
    private readonly table: HTMLTableElement;
    private projection: Projection | null = null;
    private path: ShownPath | null = null;
    // Counts the fills asked for, so that only the latest shows.
    private asked = 0;
    // The lines of a plan of many items take the worker seconds, so they are worked out once
    // the view is seen; stale until then.
    private active = false;
    private stale = false;

    constructor(
        private readonly client: CoreClient,
        private readonly display: MoneyDisplay,
        texts: Texts,
    ) {
        this.amountHeader = el('th', { scope: 'col' }, display.amountHeading);
        this.source = el('select', { id: 'detail-rows' });
        this.select = el('select', { id: 'detail-year' });
        this.body = el('tbody');
        this.note = el('p', { class: 'empty-note' }, texts.yearDetailsNeedsCalculation);
        this.table = el(
            'table',
            { id: 'year-details', class: 'details' },
            el('caption', {}, texts.controls.yearDetails),
            el('thead', {}, el('tr', {}, el('th', { scope: 'col' }, texts.item), this.amountHeader)),
            this.body,
        );
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
            this.table,
        );
        this.source.addEventListener('change', () => this.listYears());
        this.select.addEventListener('change', () => void this.fill());
        display.listen(() => void this.fill());
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

    setActive(active: boolean): void {
        this.active = active;
        if (active && this.stale) void this.fill();
    }

    // A year of the plan's own projection.
    choose(year: number): void {
        this.source.value = 'plan';
        this.listYears();
        this.select.value = String(year);
        void this.fill();
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
        void this.fill();
    }

    // The lines are worked out in the worker; the table is marked busy until the latest come.
    private async fill(): Promise<void> {
        this.amountHeader.textContent = this.display.amountHeading;
        const year = Number(this.select.value);
        // The core converts the amounts, so that they add up in today's money too; the page
        // only writes them.
        const style = { todaysMoney: this.display.todaysMoney, inflation: this.display.inflation, currentYear: this.display.currentYear };
        const shown = (amount: number) => amount.toLocaleString();
        const asked = ++this.asked;
        this.stale = !this.active;
        if (this.stale) return;
        let lines: PackedLines | null = null;
        this.table.setAttribute('aria-busy', 'true');
        if (this.source.value === 'path' && this.path) {
            const { name, settings, path } = this.path;
            const explained = await this.client.explainPathYear(settings, path, year, name, style);
            if (explained === undefined || asked !== this.asked) return;
            lines = explained;
        } else if (this.projection?.years.some((y) => y.year === year)) {
            const found = await this.client.yearLines(year, style);
            if (found === undefined || asked !== this.asked) return;
            lines = found;
        }
        if (asked !== this.asked) return;
        this.body.replaceChildren();
        this.table.removeAttribute('aria-busy');
        if (lines) this.addLines(lines, 0, shown);
    }

    // A plan of many items has many lines: they come a page at a time from the first given,
    // so that the page never lays out thousands of rows at once.
    private addLines(lines: PackedLines, first: number, shown: (amount: number) => string): void {
        const end = Math.min(lineCount(lines), first + kLinesAtOnce);
        for (let i = first; i < end; ++i) this.add(lineAt(lines, i), shown);
        const left = lineCount(lines) - end;
        if (left <= 0) return;
        const more = el('button', { type: 'button', class: 'more-lines' }, `Show ${Math.min(left, kLinesAtOnce).toLocaleString()} more lines of ${left.toLocaleString()}`);
        more.addEventListener('click', () => {
            const row = more.closest('tr')!;
            const next = row.previousElementSibling as HTMLElement | null;
            row.remove();
            this.addLines(lines, end, shown);
            // The focus stays at the place read, on the first line added.
            (next?.nextElementSibling as HTMLElement | null)?.querySelector<HTMLElement>('th')?.focus();
        });
        this.body.append(el('tr', {}, el('td', { colspan: 2 }, more)));
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
