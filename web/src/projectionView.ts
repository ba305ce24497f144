// The projection as the desktop's list shows it: an HTML table of plain integers under the
// list's headers, and the chart of the same rows. A row chosen in the table (Enter or a
// click) opens its Year Details.
import uPlot from 'uplot';
import type { ChartMark, Core, Projection, RiskSummary, Variant } from './core';
import { el, firstTabStop, roving } from './dom';
import type { MoneyDisplay } from './moneyDisplay';
import { amountText, shortAmount } from './numbers';
import type { ShownPath } from './riskView';
import type { ScenarioLine } from './scenariosView';

const kEmpty = 'No projection yet.\nEnter the plan in the Plan view, then press Calculate to project it year by year.';

// The desktop chart's colours, and lighter ones of the same hues on the dark theme's ground.
// The band, its median and a path: the band in Total Assets' blue, see-through, the median
// dashed in the same blue, and the path olive. What If's lines are purple and dash-dotted, so
// that they are never taken for the median.
interface ChartColors {
    total: string;
    available: string;
    income: string;
    withdrawals: string;
    retirement: string;
    uncovered: string;
    limit: string;
    band: string;
    path: string;
    whatIfTotal: string;
    whatIfAvailable: string;
    axis: string;
    grid: string;
    // The other plans compared, in turn.
    scenarios: string[];
}

const kLight: ChartColors = {
    total: '#1f77b4', available: '#2ca02c', income: '#9ec9e2', withdrawals: '#f4b37a',
    retirement: '#707070', uncovered: '#d62728', limit: '#17a8b8', band: 'rgba(31, 119, 180, 0.25)',
    path: '#a8a010', whatIfTotal: '#7b3fb5', whatIfAvailable: '#b5477b', axis: '#1b1b1b', grid: 'rgba(0, 0, 0, 0.1)',
    scenarios: ['#8c564b', '#c2185b', '#5254a3'],
};
const kDark: ChartColors = {
    total: '#5aa9e6', available: '#5cc96b', income: '#3f6f8f', withdrawals: '#a8683a',
    retirement: '#a0a0a0', uncovered: '#ff6b6b', limit: '#4fd1de', band: 'rgba(90, 169, 230, 0.25)',
    path: '#d8cf3a', whatIfTotal: '#c39bf0', whatIfAvailable: '#f08fbd', axis: '#e8eaed', grid: 'rgba(255, 255, 255, 0.12)',
    scenarios: ['#d4a08f', '#f48fb1', '#9fa1e6'],
};
// Each other plan's own dash, as on the desktop: dash-dot, dash-dot-dot, dotted.
const kScenarioDashes = [[8, 3, 2, 3], [8, 3, 2, 3, 2, 3], [2, 4]];
const kWhatIfDash = [10, 4, 2, 4];
const darkScheme = matchMedia('(prefers-color-scheme: dark)');
// The band's lower edge: drawn, but left out of the legend (page.css).
const kBandLowEdge = 'band-low-edge';

// The desktop's lines: retirement dashed, the unpaid year solid, the limit dotted.
function markLine(kind: ChartMark['kind'], colors: ChartColors): { stroke: string; dash: number[] } {
    switch (kind) {
        case 'retirement':
            return { stroke: colors.retirement, dash: [6, 4] };
        case 'notCovered':
            return { stroke: colors.uncovered, dash: [] };
        case 'limit':
            return { stroke: colors.limit, dash: [2, 3] };
    }
}

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
    private drawQueued = false;
    private readonly readout = el('p', { class: 'chart-readout', 'aria-live': 'polite' });
    private projection: Projection | null = null;
    private variant: Variant | null = null;
    private band: RiskSummary | null = null;
    private path: ShownPath | null = null;
    private scenarios: ScenarioLine[] = [];

    // Series by series, the points of a percentile beyond the calculation limit, drawn at the top.
    private beyond: boolean[][] = [];

    constructor(
        private readonly display: MoneyDisplay,
        private readonly chooseYear: (year: number) => void,
        // The main thread's core, for the chart's words.
        private readonly core: Core,
    ) {
        this.body = el('tbody');
        this.table = el(
            'table',
            { id: 'projection', class: 'numbers' },
            el('caption', {}, core.texts.controls.projection),
            el('thead', {}, el('tr', {}, ...core.texts.columns.map((c) => el('th', { scope: 'col' }, c)))),
            this.body,
        );
        this.empty = el('p', { class: 'empty-note' }, kEmpty);
        // Focused, the arrow keys move from year to year as the pointer does, and the
        // year's values are read out under the chart.
        this.chartBox = el(
            'figure',
            { id: 'chart', 'aria-label': core.texts.controls.projectionChart, tabindex: 0 },
            this.readout,
        );
        this.chartBox.addEventListener('keydown', (event) => this.stepCursor(event));
        let resized = 0;
        window.addEventListener('resize', () => {
            clearTimeout(resized);
            resized = window.setTimeout(() => this.drawChart(), 150);
        });
        darkScheme.addEventListener('change', () => this.drawChart());
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
                        el('td', {}, amountText(v)),
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

    // The other plans compared with this one, each its Total Assets by year; none takes them away.
    showScenarios(lines: ScenarioLine[]): void {
        this.scenarios = lines;
        this.drawChart();
    }

    // The chart is drawn once for all the changes of a task: a new projection changes every
    // line at once.
    private drawChart(): void {
        if (this.drawQueued) return;
        this.drawQueued = true;
        queueMicrotask(() => {
            this.drawQueued = false;
            this.draw();
        });
    }

    private draw(): void {
        this.chart?.destroy();
        this.chart = null;
        const years = this.projection?.years ?? [];
        this.chartBox.hidden = years.length === 0;
        if (years.length === 0) return;
        // Paths can outlast the plan's own projection and another plan can start before it, so
        // the years run from the first of every series to the last.
        const drawn: [number, number][] = [[years[0].year, years.length]];
        const bandYears = this.band?.years ?? [];
        if (bandYears.length) drawn.push([bandYears[0].year, bandYears[bandYears.length - 1].year - bandYears[0].year + 1]);
        const pathRows = this.path?.projection.rows ?? [];
        if (pathRows.length) drawn.push([pathRows[0][0], pathRows.length]);
        for (const line of this.scenarios) drawn.push([line.firstYear, line.totalAssets.length]);
        // The year the projection could not calculate has its column, for its mark.
        if (this.projection!.limitYear !== null) drawn.push([this.projection!.limitYear, 1]);
        const span = this.core.chartYears(drawn);
        const x = Array.from({ length: span.count }, (_, i) => span.firstYear + i);
        const column = <T>(rows: Map<number, T>, value: (row: T) => number) =>
            x.map((year) => {
                const row = rows.get(year);
                return row === undefined ? null : this.display.shown(value(row), year);
            });
        const plan = new Map(years.map((y) => [y.year, y]));
        const colors = darkScheme.matches ? kDark : kLight;
        const names = this.core.texts.series;
        const amount = (_u: uPlot, v: number | null) => (v == null ? '' : amountText(v));
        const bars = uPlot.paths.bars!({ size: [0.6, 40] });
        const series: uPlot.Series[] = [{ label: this.core.texts.columns[0], value: (_u, v) => (v == null ? '' : String(v)) }];
        const add = (...more: uPlot.Series[]) => series.push(...more.map((s) => ({ value: amount, ...s })));
        const data: (number | null)[][] = [x];
        const bands: uPlot.Band[] = [];
        // First drawn, so behind the plan's lines.
        if (this.band) {
            const risk = new Map(this.band.years.map((y) => [y.year, y]));
            // The band's two edges go in the legend as one entry, as the desktop's does, whose
            // value is the band from its lower edge to its upper.
            const bandValue = (u: uPlot, _v: number | null, _s: number, i: number | null) => this.bandText(u, i);
            add(
                { label: names.band, stroke: colors.band, fill: colors.band, width: 1, points: { show: false }, value: bandValue },
                { label: names.band, stroke: colors.band, width: 1, class: kBandLowEdge, points: { show: false } },
                { label: names.median, stroke: colors.total, width: 2, dash: [5, 4] },
            );
            // A percentile beyond the calculation limit has no amount: it goes to the top of the chart.
            const percentile = (value: (y: RiskSummary['years'][number]) => number | null) =>
                x.map((year) => {
                    const row = risk.get(year);
                    if (row === undefined) return null;
                    const amount = value(row);
                    return amount === null ? Number.POSITIVE_INFINITY : this.display.shown(amount, year);
                });
            data.push(percentile((y) => y.p90), percentile((y) => y.p10), percentile((y) => y.p50));
            bands.push({ series: [1, 2], fill: colors.band });
        }
        add(
            // Income is rarely below and withdrawals never above zero, so their bars share a place.
            { label: names.income, fill: colors.income, stroke: colors.income, paths: bars, points: { show: false } },
            { label: names.withdrawals, fill: colors.withdrawals, stroke: colors.withdrawals, paths: bars, points: { show: false } },
            { label: names.totalAssets, stroke: colors.total, width: 2 },
            { label: names.availableAssets, stroke: colors.available, width: 2 },
        );
        data.push(
            column(plan, (y) => y.income),
            column(plan, (y) => y.withdrawals),
            column(plan, (y) => y.totalAssets),
            column(plan, (y) => y.availableAssets),
        );
        if (this.variant) {
            const rows = new Map(this.variant.rows.map((r) => [r[0], r]));
            add(
                { label: names.whatIfTotal, stroke: colors.whatIfTotal, width: 2, dash: kWhatIfDash },
                { label: names.whatIfAvailable, stroke: colors.whatIfAvailable, width: 2, dash: kWhatIfDash },
            );
            data.push(column(rows, (r) => r[2]), column(rows, (r) => r[3]));
        }
        if (this.path) {
            const rows = new Map(this.path.projection.rows.map((r) => [r[0], r]));
            add({ label: this.core.totalAssetsOf(this.path.name), stroke: colors.path, width: 3, dash: [2, 3] });
            data.push(column(rows, (r) => r[2]));
        }
        this.scenarios.forEach((line, i) => {
            const rows = new Map(line.totalAssets.map((total, r) => [line.firstYear + r, total]));
            add({ label: this.core.totalAssetsOf(line.name), stroke: colors.scenarios[i % 3], width: 2, dash: kScenarioDashes[i % 3] });
            data.push(column(rows, (total) => total));
        });
        const markers: Marker[] = this.projection!.marks.map((mark) => {
            const line = markLine(mark.kind, colors);
            add({ label: mark.text, width: 2, ...line });
            data.push(x.map(() => null));
            return { year: mark.year, series: series.length - 1, ...line };
        });
        const amounts = data.slice(1).flat().filter((v): v is number => v !== null && Number.isFinite(v));
        const [lowest, highest] = uPlot.rangeNum(Math.min(0, ...amounts), Math.max(0, ...amounts), 0.1, true);
        this.beyond = data.map((values) => values.map((v) => v === Number.POSITIVE_INFINITY));
        const atTop = this.beyond.some((points) => points.includes(true));
        for (const values of data) values.forEach((v, i) => v === Number.POSITIVE_INFINITY && (values[i] = highest));
        const today = this.display.axisTitle;
        // The axis's title is drawn, so the figure's name says it too.
        const name = this.core.texts.controls.projectionChart;
        this.chartBox.setAttribute('aria-label', today ? `${name}, ${today.toLowerCase()}` : name);
        const plain = (_u: uPlot, values: number[]) => values.map((v) => String(v));
        const short = (_u: uPlot, values: number[]) => values.map((v) => shortAmount(v));
        const axis = { stroke: colors.axis, grid: { stroke: colors.grid }, ticks: { stroke: colors.grid } };
        // The view may be hidden, and so without a width of its own, when it is drawn.
        const room = this.chartBox.parentElement?.clientWidth || document.documentElement.clientWidth - 48;
        const width = Math.max(280, Math.min(960, room));
        this.chart = new uPlot(
            {
                width,
                height: 320,
                series,
                // Half a year beside the first and the last, so that their bars are drawn whole,
                // as on the desktop; the amounts fixed where the band reaches the top, so that
                // the top stays where it was put.
                scales: {
                    x: { time: false, range: (_u, first, last) => [first - 0.5, last + 0.5] },
                    ...(atTop ? { y: { range: [lowest, highest] } } : {}),
                },
                bands,
                axes: [
                    { ...axis, values: plain, incrs: [1, 2, 5, 10, 20, 50] },
                    { ...axis, values: short, size: amountAxisSize, label: today },
                ],
                cursor: { drag: { x: false, y: false } },
                legend: { live: true },
                hooks: {
                    init: [(u) => this.followTouch(u)],
                    draw: [(u) => drawMarkers(u, markers)],
                    setCursor: [(u) => this.readOut(u)],
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

    // The year under the pointer, or reached by the arrow keys, in words beneath the chart.
    private readOut(u: uPlot): void {
        const index = u.cursor.idx;
        if (index == null) {
            this.readout.textContent = '';
            return;
        }
        const values = u.series
            .map((series, i) => ({ series, i, value: u.data[i][index], beyond: this.beyond[i]?.[index] }))
            .slice(1)
            .filter(({ series, value }) => series.show && value != null && series.class !== kBandLowEdge)
            .map(({ series, i, value, beyond }) => {
                const shown = this.band && i === 1 ? this.bandText(u, index) : beyond ? this.core.texts.beyondLimit : amountText(value as number);
                return `${series.label} ${shown}`;
            });
        this.readout.textContent = `${u.data[0][index]}: ${values.join('; ')}`;
    }

    // The band at a year: "1,234 to 5,678", its 10th to its 90th percentile (series 2 and 1).
    private bandText(u: uPlot, index: number | null): string {
        if (index == null || u.data[1][index] == null) return '';
        const edge = (series: number) =>
            this.beyond[series]?.[index] ? this.core.texts.beyondLimit : amountText(u.data[series][index] as number);
        return `${edge(2)} to ${edge(1)}`;
    }

    // A finger drawn across the plot moves through the years, as the pointer does; the page
    // still scrolls up and down under it (page.css).
    private followTouch(u: uPlot): void {
        const follow = (event: PointerEvent) => {
            if (event.pointerType !== 'touch') return;
            const plot = u.over.getBoundingClientRect();
            const left = Math.min(plot.width, Math.max(0, event.clientX - plot.left));
            u.setCursor({ left, top: plot.height / 2 });
        };
        u.over.addEventListener('pointerdown', follow);
        u.over.addEventListener('pointermove', follow);
    }

    private stepCursor(event: KeyboardEvent): void {
        const u = this.chart;
        if (!u) return;
        const last = u.data[0].length - 1;
        const at = u.cursor.idx ?? -1;
        const steps: Record<string, number> = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: last };
        if (!(event.key in steps)) return;
        event.preventDefault();
        const index = Math.min(last, Math.max(0, steps[event.key]));
        u.setCursor({ left: u.valToPos(u.data[0][index], 'x'), top: u.bbox.height / devicePixelRatio / 2 });
    }
}
