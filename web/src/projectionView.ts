// The projection as the desktop's list shows it: an HTML table of plain integers under the
// list's headers, and the chart of the same rows. A row chosen in the table (Enter or a
// click) opens its Year Details.
import uPlot from 'uplot';
import type { ChartMark, Projection, RiskSummary, Variant } from './core';
import { el, firstTabStop, roving } from './dom';
import type { MoneyDisplay } from './moneyDisplay';
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
const kLimitColor = '#17a8b8';
// The band, its median and a path in the desktop chart's colours: the band in Total Assets'
// blue, see-through, and the path olive.
const kBandEdgeColor = 'rgba(31, 119, 180, 0.25)';
const kBandFill = 'rgba(31, 119, 180, 0.25)';
const kMedianColor = kTotalColor;
const kPathColor = '#a8a010';
// The band's lower edge: drawn, but left out of the legend (page.css).
const kBandLowEdge = 'band-low-edge';

// The desktop chart's words for a marked year.
export function markText(mark: ChartMark): string {
    switch (mark.kind) {
        case 'retirement':
            return `Retirement ${mark.year}`;
        case 'notCovered':
            return `${mark.year}: expenses not fully paid`;
        case 'limit':
            return `The projection stops at the calculation limit in ${mark.year}`;
    }
}

// The desktop's lines: retirement dashed, the unpaid year solid, the limit dotted.
const kMarkLines: Record<ChartMark['kind'], { stroke: string; dash: number[] }> = {
    retirement: { stroke: kRetirementColor, dash: [6, 4] },
    notCovered: { stroke: kUncoveredColor, dash: [] },
    limit: { stroke: kLimitColor, dash: [2, 3] },
};

// A marked year, drawn as a line across the plot. Each is a series without values, so that
// its words go in the legend as on the desktop, where a click hides its line like any other.
interface Marker {
    year: number;
    series: number;
    stroke: string;
    dash: number[];
}

// The amount axis as wide as its longest label, so that billions show whole. The axis holds
// its font as uPlot keeps it once built: the font and its size.
function amountAxisSize(u: uPlot, values: string[] | null, axis: number): number {
    const shown = u.axes[axis];
    const longest = (values ?? []).reduce((a, b) => (b.length > a.length ? b : a), '');
    u.ctx.font = (shown.font as unknown as [string, number])[0];
    return Math.ceil((shown.ticks?.size ?? 10) + (shown.gap ?? 5) + u.ctx.measureText(longest).width / devicePixelRatio);
}

function drawMarkers(u: uPlot, markers: Marker[]): void {
    const context = u.ctx;
    context.save();
    for (const { year, series, stroke, dash } of markers) {
        if (!u.series[series].show) continue;
        const x = Math.round(u.valToPos(year, 'x', true));
        context.strokeStyle = stroke;
        context.lineWidth = 2 * devicePixelRatio;
        context.setLineDash(dash.map((d) => d * devicePixelRatio));
        context.beginPath();
        context.moveTo(x, u.bbox.top);
        context.lineTo(x, u.bbox.top + u.bbox.height);
        context.stroke();
    }
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

    constructor(
        private readonly display: MoneyDisplay,
        private readonly chooseYear: (year: number) => void,
    ) {
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
        display.listen(() => this.drawChart());
        this.show(null);
    }

    // The table stays in the projected amounts; the chart follows the money display.
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
        // The year the projection could not calculate has its column, for its mark.
        if (this.projection!.limitYear !== null) lastYears.push(this.projection!.limitYear);
        const x = Array.from({ length: Math.max(...lastYears) - years[0].year + 1 }, (_, i) => years[0].year + i);
        const column = <T>(rows: Map<number, T>, value: (row: T) => number) =>
            x.map((year) => {
                const row = rows.get(year);
                return row === undefined ? null : this.display.shown(value(row), year);
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
            series.push({ label: `Total Assets (${this.path.name})`, stroke: kPathColor, width: 3, dash: [2, 3] });
            data.push(column(rows, (r) => r[2]));
        }
        const markers: Marker[] = this.projection!.marks.map((mark) => {
            const line = kMarkLines[mark.kind];
            series.push({ label: markText(mark), width: 2, ...line });
            data.push(x.map(() => null));
            return { year: mark.year, series: series.length - 1, ...line };
        });
        const today = this.display.todaysMoney ? `In ${this.display.currentYear} money` : undefined;
        // The axis's title is drawn, so the figure's name says it too.
        this.chartBox.setAttribute('aria-label', today ? `Projection chart, ${today.toLowerCase()}` : 'Projection chart');
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
                    { values: plain, size: amountAxisSize, label: today },
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
