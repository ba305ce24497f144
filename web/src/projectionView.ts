// The projection as the desktop's list shows it: an HTML table of plain integers under the
// list's headers, and the chart of the same rows. A row chosen in the table (Enter or a
// click) opens its Year Details.
import uPlot from 'uplot';
import type { Projection, RiskSummary, Variant } from './core';
import { el, firstTabStop, roving } from './dom';
import type { ShownPath } from './riskView';

export const kColumns = ['Year', 'Income', 'Total Assets', 'Available Assets', 'Withdrawals'];

const kEmpty =
    'No projection yet.\nEnter the plan from the Edit menu, then choose Edit > Calculate\n' +
    'or the Calculate button to project it year by year.';

const kTotalColor = '#1f77b4';
const kAvailableColor = '#2ca02c';
const kIncomeColor = '#9ec9e2';
const kWithdrawalsColor = '#f4b37a';
const kRetirementColor = '#707070';
const kUncoveredColor = '#d62728';
const kBandEdgeColor = '#b9a3d3';
const kBandFill = 'rgba(148, 103, 189, 0.2)';
const kMedianColor = '#6a3d9a';
const kPathColor = '#8c2d04';
// The band's lower edge: drawn, but left out of the legend (page.css).
const kBandLowEdge = 'band-low-edge';

interface Marker {
    year: number;
    label: string;
    color: string;
    dash: number[];
}

// The desktop chart's year markers: a line across the plot with its label at the top.
function drawMarkers(u: uPlot, markers: Marker[]): void {
    const context = u.ctx;
    const [first, last] = [u.data[0][0], u.data[0][u.data[0].length - 1]];
    context.save();
    context.font = `${12 * devicePixelRatio}px system-ui, sans-serif`;
    markers.forEach((marker, i) => {
        if (marker.year < first || marker.year > last) return;
        const x = Math.round(u.valToPos(marker.year, 'x', true));
        context.strokeStyle = context.fillStyle = marker.color;
        context.lineWidth = 2 * devicePixelRatio;
        context.setLineDash(marker.dash.map((d) => d * devicePixelRatio));
        context.beginPath();
        context.moveTo(x, u.bbox.top);
        context.lineTo(x, u.bbox.top + u.bbox.height);
        context.stroke();
        // Each label on a line of its own, so that markers close together stay readable; at
        // the right edge the label goes to the left of its line.
        const gap = 4 * devicePixelRatio;
        const width = context.measureText(marker.label).width;
        const right = x + gap + width <= u.bbox.left + u.bbox.width;
        context.fillText(marker.label, right ? x + gap : x - gap - width, u.bbox.top + (14 + 16 * i) * devicePixelRatio);
    });
    context.restore();
}

export class ProjectionView {
    readonly element: HTMLElement;
    private readonly table: HTMLTableElement;
    private readonly body: HTMLTableSectionElement;
    private readonly empty: HTMLElement;
    // The chart goes with the view on screen that draws on it: projection, What If or Risk.
    readonly chartBox: HTMLElement;
    private chart: uPlot | null = null;
    private projection: Projection | null = null;
    private variant: Variant | null = null;
    private band: RiskSummary | null = null;
    private path: ShownPath | null = null;
    private retirementYear = 0;

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
        roving(this.body, 'tr');
        this.body.addEventListener('keydown', (event) => {
            const row = (event.target as HTMLElement).closest('tr');
            if (row && (event.key === 'Enter' || event.key === ' ')) {
                event.preventDefault();
                this.chooseYear(Number(row.dataset.year));
            }
        });
        this.show(null);
    }

    // The projection, and the plan's retirement year for the chart's marker.
    show(projection: Projection | null, retirementYear = 0): void {
        this.projection = projection;
        this.retirementYear = retirementYear;
        this.variant = null;
        const rows = projection?.years ?? [];
        this.empty.hidden = projection !== null;
        this.table.hidden = projection === null;
        this.body.replaceChildren(
            ...rows.map((y) =>
                el(
                    'tr',
                    { 'data-year': y.year },
                    el('th', { scope: 'row' }, String(y.year)),
                    ...[y.income, y.totalAssets, y.availableAssets, y.withdrawals].map((v) =>
                        el('td', {}, String(v)),
                    ),
                ),
            ),
        );
        firstTabStop([...this.body.rows]);
        this.drawChart();
    }

    // The What If variant, drawn over the plan's lines; null takes it away.
    showVariant(variant: Variant | null): void {
        this.variant = variant;
        this.drawChart();
    }

    // The risk run's band of Total Assets, from the 10th to the 90th percentile with the
    // median, drawn behind the plan's lines; null takes it away.
    showBand(band: RiskSummary | null): void {
        this.band = band;
        this.drawChart();
    }

    // One path of the risk run, drawn over the plan's lines; null takes it away.
    showPath(path: ShownPath | null): void {
        this.path = path;
        this.drawChart();
    }

    private drawChart(): void {
        this.chart?.destroy();
        this.chart = null;
        const years = this.projection?.years ?? [];
        this.chartBox.hidden = years.length === 0;
        if (years.length === 0) return;
        // Paths can outlast the plan's own projection, so the years run to the longest.
        const lastYears = [years[years.length - 1].year];
        if (this.band?.years.length) lastYears.push(this.band.years[this.band.years.length - 1].year);
        if (this.path?.projection.rows.length) lastYears.push(this.path.projection.rows[this.path.projection.rows.length - 1][0]);
        const x = Array.from({ length: Math.max(...lastYears) - years[0].year + 1 }, (_, i) => years[0].year + i);
        const column = <T>(rows: Map<number, T>, value: (row: T) => number) =>
            x.map((year) => {
                const row = rows.get(year);
                return row === undefined ? null : value(row);
            });
        const plan = new Map(years.map((y) => [y.year, y]));
        const bars = uPlot.paths.bars!({ size: [0.6, 40] });
        const series: uPlot.Series[] = [{ label: 'Year', value: (_u, v) => (v == null ? '' : String(v)) }];
        const data: (number | null)[][] = [x];
        const bands: uPlot.Band[] = [];
        // First drawn, so behind the plan's lines.
        if (this.band) {
            const risk = new Map(this.band.years.map((y) => [y.year, y]));
            // The band's two edges go in the legend as one entry, as the desktop's does.
            series.push(
                { label: 'Total Assets, 10th to 90th percentile of paths', stroke: kBandEdgeColor, fill: kBandFill, width: 1 },
                { label: 'Total Assets, 10th percentile of paths', stroke: kBandEdgeColor, width: 1, class: kBandLowEdge },
                { label: 'Total Assets, median of paths', stroke: kMedianColor, width: 2, dash: [5, 4] },
            );
            data.push(column(risk, (y) => y.p90), column(risk, (y) => y.p10), column(risk, (y) => y.p50));
            bands.push({ series: [1, 2], fill: kBandFill });
        }
        series.push(
            // Income is rarely below and withdrawals never above zero, so their bars share a place.
            { label: 'Income', fill: kIncomeColor, stroke: kIncomeColor, paths: bars, points: { show: false } },
            { label: 'Withdrawals', fill: kWithdrawalsColor, stroke: kWithdrawalsColor, paths: bars, points: { show: false } },
            { label: 'Total Assets', stroke: kTotalColor, width: 2 },
            { label: 'Available Assets', stroke: kAvailableColor, width: 2 },
        );
        data.push(
            column(plan, (y) => y.income),
            column(plan, (y) => y.withdrawals),
            column(plan, (y) => y.totalAssets),
            column(plan, (y) => y.availableAssets),
        );
        if (this.variant) {
            const rows = new Map(this.variant.rows.map((r) => [r[0], r]));
            const dashed = [6, 4];
            series.push(
                { label: 'Total Assets (what if)', stroke: kTotalColor, width: 2, dash: dashed },
                { label: 'Available Assets (what if)', stroke: kAvailableColor, width: 2, dash: dashed },
            );
            data.push(column(rows, (r) => r[2]), column(rows, (r) => r[3]));
        }
        if (this.path) {
            const rows = new Map(this.path.projection.rows.map((r) => [r[0], r]));
            series.push({ label: `Total Assets (${this.path.name})`, stroke: kPathColor, width: 2 });
            data.push(column(rows, (r) => r[2]));
        }
        const markers: Marker[] = [
            { year: this.retirementYear, label: `Retirement ${this.retirementYear}`, color: kRetirementColor, dash: [6, 4] },
        ];
        const last = years[years.length - 1];
        if (!this.projection!.lastRowCovered && !this.projection!.stoppedAtLimit)
            markers.push({ year: last.year, label: `${last.year} not covered`, color: kUncoveredColor, dash: [] });
        const plain = (_u: uPlot, values: number[]) => values.map((v) => String(v));
        // The view may be hidden, and so without a width of its own, when it is drawn.
        const width = Math.max(320, Math.min(960, document.documentElement.clientWidth - 48));
        this.chart = new uPlot(
            {
                width,
                height: 320,
                series,
                scales: { x: { time: false } },
                bands,
                axes: [
                    { values: plain, incrs: [1, 2, 5, 10, 20, 50] },
                    { values: plain, size: 80 },
                ],
                cursor: { drag: { x: false, y: false } },
                legend: { live: false },
                hooks: {
                    draw: [(u) => drawMarkers(u, markers)],
                    // The band's one legend entry shows and hides both its edges.
                    setSeries: [
                        (u, i, opts) => {
                            if (this.band && i === 1 && opts.show !== undefined) u.setSeries(2, { show: opts.show }, false);
                        },
                    ],
                },
            },
            data as uPlot.AlignedData,
            this.chartBox,
        );
    }
}
