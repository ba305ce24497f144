// The projection as the desktop's list shows it: an HTML table of plain integers under the
// list's headers, and the chart of the same rows. A row chosen in the table (Enter or a
// click) opens its Year Details.
import uPlot from 'uplot';
import type { Projection, Variant } from './core';
import { el } from './dom';

export const kColumns = ['Year', 'Income', 'Total Assets', 'Available Assets', 'Withdrawals'];

const kEmpty =
    'No projection yet.\nEnter the plan from the Edit menu, then choose Edit > Calculate\n' +
    'or the Calculate button to project it year by year.';

export class ProjectionView {
    readonly element: HTMLElement;
    private readonly table: HTMLTableElement;
    private readonly body: HTMLTableSectionElement;
    private readonly empty: HTMLElement;
    private readonly chartBox: HTMLElement;
    private chart: uPlot | null = null;
    private projection: Projection | null = null;
    private variant: Variant | null = null;

    constructor(private readonly chooseYear: (year: number) => void) {
        this.body = el('tbody');
        this.table = el(
            'table',
            { id: 'projection', class: 'numbers' },
            el('caption', {}, 'Projection'),
            el('thead', {}, el('tr', {}, ...kColumns.map((c) => el('th', { scope: 'col' }, c)))),
            this.body,
        );
        this.empty = el('p', { class: 'empty-note' }, kEmpty);
        this.chartBox = el('figure', {
            id: 'chart',
            'aria-label': 'Projection chart',
            role: 'img',
        });
        this.element = el(
            'div',
            { class: 'projection' },
            this.empty,
            el('div', { class: 'table-box', tabindex: 0, role: 'region', 'aria-label': 'Projection table' }, this.table),
            this.chartBox,
        );
        this.body.addEventListener('click', (event) => {
            const row = (event.target as HTMLElement).closest('tr');
            if (row) this.chooseYear(Number(row.dataset.year));
        });
        this.body.addEventListener('keydown', (event) => {
            const row = (event.target as HTMLElement).closest('tr');
            if (row && (event.key === 'Enter' || event.key === ' ')) {
                event.preventDefault();
                this.chooseYear(Number(row.dataset.year));
            }
        });
        this.show(null);
    }

    show(projection: Projection | null): void {
        this.projection = projection;
        this.variant = null;
        const rows = projection?.years ?? [];
        this.empty.hidden = projection !== null;
        this.table.hidden = projection === null;
        this.body.replaceChildren(
            ...rows.map((y) =>
                el(
                    'tr',
                    { 'data-year': y.year, tabindex: 0 },
                    el('th', { scope: 'row' }, String(y.year)),
                    ...[y.income, y.totalAssets, y.availableAssets, y.withdrawals].map((v) =>
                        el('td', {}, String(v)),
                    ),
                ),
            ),
        );
        this.drawChart();
    }

    // The What If variant, drawn over the plan's lines; null takes it away.
    showVariant(variant: Variant | null): void {
        this.variant = variant;
        this.drawChart();
    }

    private drawChart(): void {
        this.chart?.destroy();
        this.chart = null;
        const years = this.projection?.years ?? [];
        this.chartBox.hidden = years.length === 0;
        if (years.length === 0) return;
        const x = years.map((y) => y.year);
        const series: uPlot.Series[] = [
            { label: 'Year', value: (_u, v) => (v == null ? '' : String(v)) },
            { label: 'Total Assets', stroke: '#1f5fa8', width: 2 },
            { label: 'Available Assets', stroke: '#2e8540', width: 2 },
            { label: 'Income', stroke: '#8a6d00', width: 1 },
            { label: 'Withdrawals', stroke: '#b0281a', width: 1 },
        ];
        const data: (number | null)[][] = [
            x,
            years.map((y) => y.totalAssets),
            years.map((y) => y.availableAssets),
            years.map((y) => y.income),
            years.map((y) => y.withdrawals),
        ];
        if (this.variant) {
            const byYear = new Map(this.variant.rows.map((r) => [r[0], r[2]]));
            series.push({ label: 'Total Assets (what if)', stroke: '#1f5fa8', width: 2, dash: [6, 4] });
            data.push(x.map((year) => byYear.get(year) ?? null));
        }
        const width = Math.max(320, Math.min(900, this.chartBox.parentElement?.clientWidth ?? 800));
        this.chart = new uPlot(
            {
                width,
                height: 300,
                series,
                scales: { x: { time: false } },
                axes: [{}, { size: 70 }],
                cursor: { drag: { x: false, y: false } },
            },
            data as uPlot.AlignedData,
            this.chartBox,
        );
    }
}
