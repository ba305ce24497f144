// Risk: many seeded paths of the plan with returns that vary year by year, run by the core in
// a worker. The answer in the desktop pane's sentence, the percentiles of Total Assets by
// decade, the band on the chart, and the worst and median paths to draw and explain.
import type { GoalSummary, Plan, RiskPath, RiskSettings, RiskSummary, Texts } from './core';
import type { CoreClient } from './coreClient';
import { el } from './dom';
import { amountText } from './numbers';
import type { RiskRunner } from './riskRunner';
import { MissingFile } from './siteFiles';

// The progress and Cancel show only once a run takes longer than a glance, so that quick
// answers do not flicker.
const kProgressAfterMs = 300;

// A path drawn on the chart, which Year Details can explain year by year.
export interface ShownPath {
    // "worst path, no. 256"
    name: string;
    settings: RiskSettings;
    path: number;
    projection: RiskPath;
}

// A new seed: any unsigned 64-bit number, from the browser's random source.
function newSeed(): string {
    const [high, low] = crypto.getRandomValues(new Uint32Array(2));
    return ((BigInt(high) << 32n) | BigInt(low)).toString();
}

function whole(value: string, min: number, max: number): number | null {
    const number = Number(value);
    return value.trim() !== '' && Number.isInteger(number) && number >= min && number <= max ? number : null;
}

export class RiskView {
    readonly element: HTMLElement;
    // Their ranges and defaults are the core's, set with its words.
    private readonly spread = el('input', { id: 'risk-spread', type: 'range', min: 0, step: 1 });
    private readonly spreadPoints = el('input', {
        id: 'risk-spread-points', type: 'number', min: 0, step: 1, 'aria-label': 'Spread in points',
    });
    private readonly paths = el('select', { id: 'risk-paths' });
    private readonly seed = el('input', {
        id: 'risk-seed', type: 'text', size: 22, value: '1', spellcheck: false, autocomplete: 'off', inputmode: 'numeric',
    });
    private readonly age = el('input', { id: 'risk-age', type: 'number', min: 0, step: 1 });
    private readonly confidence = el('input', { id: 'risk-confidence', type: 'number', step: 1 });
    private readonly progress = el('progress', { id: 'risk-progress' });
    private readonly cancel = el('button', { type: 'button', id: 'risk-cancel' }, 'Cancel');
    private readonly running = el('span', { class: 'running' }, this.progress, this.cancel);
    private appear = 0;
    private readonly answer = el('p', { id: 'risk-answer', 'aria-live': 'polite' });
    // What can be spent at the confidence, and how long the money lasts, under the share.
    private readonly goalSpending = el('p', { id: 'goal-spending', 'aria-live': 'polite' });
    private readonly goalLasts = el('p', { id: 'goal-lasts', 'aria-live': 'polite' });
    private readonly goalApply = el('button', { type: 'button', id: 'goal-apply' }, 'Apply');
    private goal: GoalSummary | null = null;
    private readonly worst = el(
        'button',
        { type: 'button', id: 'risk-worst', 'aria-pressed': 'false' },
        'Show the worst path',
    );
    private readonly median = el(
        'button',
        { type: 'button', id: 'risk-median', 'aria-pressed': 'false' },
        'Show the median path',
    );
    private readonly body = el('tbody');
    private readonly table: HTMLTableElement;
    private plan: Plan | null = null;
    // Why a plan gets no answer, when it gets none.
    private unanswered: string | null = null;
    private active = false;
    private stale = true;
    private summary: RiskSummary | null = null;
    private settings: RiskSettings | null = null;

    constructor(
        private readonly client: CoreClient,
        private readonly runner: RiskRunner,
        private readonly showBand: (summary: RiskSummary | null) => void,
        private readonly showPath: (path: ShownPath | null) => void,
        // The core's words for what the run itself does not say.
        private readonly texts: Texts,
        // Sets the plan's expenses to the spending found, as an edit that Undo takes back.
        private readonly apply: (plan: Plan) => void,
    ) {
        const { limits, controls } = texts;
        this.progress.setAttribute('aria-label', controls.pathsDone);
        this.cancel.title = controls.cancelRunTip;
        for (const spread of [this.spread, this.spreadPoints]) {
            spread.max = String(limits.maxSpread);
            spread.value = String(limits.defaultSpread);
        }
        this.paths.append(...limits.pathChoices.map((n) => el('option', { value: n }, n.toLocaleString())));
        this.age.max = String(limits.maxUntilAge);
        this.age.value = String(limits.defaultUntilAge);
        this.confidence.min = String(limits.minConfidence);
        this.confidence.max = String(limits.maxConfidence);
        this.confidence.value = String(limits.defaultConfidence);
        // The core's words for what the spread, the seed and the paths are.
        this.spread.title = this.spreadPoints.title = texts.spreadTip;
        this.seed.title = texts.seedTip;
        this.worst.title = texts.worstPathTip;
        this.median.title = texts.medianPathTip;
        const newSeedButton = el('button', { type: 'button', id: 'risk-new-seed' }, 'New seed');
        this.table = el(
            'table',
            { id: 'risk-years', class: 'numbers' },
            el('caption', {}, 'Total Assets by decade and in the last year, over every path'),
            el(
                'thead',
                {},
                el(
                    'tr',
                    {},
                    ...[texts.columns[0], 'Paths with the year', 'Ran out', 'Beyond the limit', '10th percentile', 'Median', '90th percentile'].map(
                        (c) => el('th', { scope: 'col' }, c),
                    ),
                ),
            ),
            this.body,
        );
        this.element = el(
            'div',
            { class: 'risk' },
            el(
                'div',
                { class: 'risk-controls' },
                el('label', { for: 'risk-spread' }, 'Spread:'),
                this.spread,
                el('span', { class: 'nowrap' }, this.spreadPoints, ' points'),
                el('label', { for: 'risk-paths' }, 'Paths:'),
                this.paths,
                el('span'),
                el('label', { for: 'risk-seed' }, 'Seed:'),
                this.seed,
                newSeedButton,
                el('label', { for: 'risk-age' }, 'Money lasts to age:'),
                this.age,
                el('span'),
                el('label', { for: 'risk-confidence' }, 'Confidence:'),
                el('span', { class: 'nowrap' }, this.confidence, ' %'),
                el('span'),
            ),
            el('div', { class: 'row' }, this.answer, this.running),
            this.goalSpending,
            this.goalLasts,
            el('div', { class: 'closing' }, this.goalApply),
            el('div', { class: 'closing' }, this.worst, this.median),
            el('div', { class: 'scroll-box', tabindex: 0, role: 'region', 'aria-label': 'Total Assets by decade' }, this.table),
        );
        this.spread.addEventListener('input', () => (this.spreadPoints.value = this.spread.value));
        this.spreadPoints.addEventListener('input', () => {
            if (whole(this.spreadPoints.value, 0, texts.limits.maxSpread) !== null) this.spread.value = this.spreadPoints.value;
        });
        for (const control of [this.spread, this.spreadPoints, this.paths, this.seed, this.age, this.confidence])
            control.addEventListener('change', () => this.changed());
        newSeedButton.addEventListener('click', () => {
            this.seed.value = newSeed();
            this.changed();
        });
        this.cancel.addEventListener('click', () => {
            this.runner.cancel();
            this.clear();
            this.answer.textContent = this.texts.riskCancelled;
            // The button goes with the run: the focus stays in the view, on its first control.
            this.spread.focus();
        });
        this.goalApply.addEventListener('click', () => {
            if (this.goal?.plan) this.apply(this.goal.plan);
        });
        this.worst.addEventListener('click', () => void this.togglePath(this.worst));
        this.median.addEventListener('click', () => void this.togglePath(this.median));
        this.show(null);
    }

    // The plan just calculated, or null when there is no projection or, with the reason in
    // unanswered, no answer to give; the paths run when the view is shown.
    show(plan: Plan | null, unanswered: string | null = null): void {
        this.plan = plan;
        this.unanswered = unanswered;
        this.changed();
    }

    // Whether the view is on screen: a run costs a while, so only a view that is seen runs one.
    setActive(active: boolean): void {
        this.active = active;
        if (active && this.stale) void this.run();
    }

    private changed(): void {
        this.runner.cancel();
        this.stale = true;
        this.clear();
        if (this.active) void this.run();
    }

    private clear(): void {
        this.answer.textContent = '';
        this.goalSpending.textContent = this.goalLasts.textContent = '';
        this.goal = null;
        this.goalApply.disabled = true;
        this.summary = null;
        this.body.replaceChildren();
        this.table.hidden = true;
        clearTimeout(this.appear);
        this.running.hidden = true;
        this.worst.disabled = this.median.disabled = true;
        this.pressed(null);
        this.showBand(null);
        this.showPath(null);
    }

    // The inputs as set, or what to correct; the Scenarios view draws its paths with them too.
    readSettings(): RiskSettings | string {
        const { limits } = this.texts;
        const spread = whole(this.spreadPoints.value, 0, limits.maxSpread);
        if (spread === null) return this.texts.enterSpread;
        const untilAge = whole(this.age.value, 0, limits.maxUntilAge);
        if (untilAge === null) return this.texts.enterUntilAge;
        return { paths: Number(this.paths.value), spread, seed: this.seed.value.trim(), untilAge };
    }

    private async run(): Promise<void> {
        this.stale = false;
        if (!this.plan) {
            this.answer.textContent = this.unanswered ?? this.texts.riskNeedsCalculation;
            return;
        }
        const settings = this.readSettings();
        if (typeof settings === 'string') {
            this.answer.textContent = settings;
            return;
        }
        this.answer.textContent = this.texts.working;
        this.progress.max = settings.paths;
        this.progress.value = 0;
        clearTimeout(this.appear);
        this.appear = window.setTimeout(() => (this.running.hidden = false), kProgressAfterMs);
        const { limits } = this.texts;
        const confidence = whole(this.confidence.value, limits.minConfidence, limits.maxConfidence);
        // Out of range, the core's words stand in for the goal, which is not run.
        if (confidence === null) this.goalSpending.textContent = this.texts.confidenceRange;
        const onGoal = (goal: GoalSummary) => {
            this.goal = goal;
            this.goalSpending.textContent = goal.spendingText;
            this.goalLasts.textContent = goal.lastsText;
            this.goalApply.disabled = !goal.plan;
        };
        const summary = await this.runner.run(
            this.plan, settings, (done) => (this.progress.value = done), confidence === null ? undefined : { confidence, onGoal },
        ).catch(
            (error) =>
                ({ status: 'cannotCalculate', answer: error instanceof MissingFile ? error.message : this.texts.riskCannotCalculate }) as RiskSummary,
        );
        // A cancelled run leaves the view to the run that replaced it.
        if (!summary) return;
        clearTimeout(this.appear);
        this.running.hidden = true;
        if (summary.status !== 'done') {
            this.answer.textContent = summary.answer;
            return;
        }
        this.summary = summary;
        this.settings = settings;
        this.answer.textContent = summary.answer;
        const amount = (value: number | null) => (value === null ? this.texts.beyondLimit : amountText(value));
        this.body.replaceChildren(
            ...summary.years
                .filter((y, i, all) => y.year % 10 === 0 || i === all.length - 1)
                .map((y) =>
                    el(
                        'tr',
                        {},
                        el('th', { scope: 'row' }, String(y.year)),
                        ...[y.paths, y.ranOut, y.beyondLimit].map((v) => el('td', {}, amountText(v))),
                        ...[y.p10, y.p50, y.p90].map((v) => el('td', {}, amount(v))),
                    ),
                ),
        );
        this.table.hidden = this.body.rows.length === 0;
        this.worst.disabled = this.median.disabled = false;
        this.showBand(summary);
    }

    private pressed(button: HTMLButtonElement | null): void {
        for (const other of [this.worst, this.median]) other.setAttribute('aria-pressed', String(other === button));
    }

    // A path's button draws it, and pressed again takes it away. The path is worked out in
    // the worker, for the run still shown.
    private async togglePath(button: HTMLButtonElement): Promise<void> {
        if (!this.summary || !this.settings || button.getAttribute('aria-pressed') === 'true') {
            this.pressed(null);
            this.showPath(null);
            return;
        }
        const worst = button === this.worst;
        const path = worst ? this.summary.worstPath : this.summary.medianPath;
        const name = worst ? this.summary.worstPathName : this.summary.medianPathName;
        const { summary, settings } = this;
        const projection = await this.client.riskPath(settings, path);
        if (projection === undefined || summary !== this.summary) return;
        if (!projection) {
            this.pressed(null);
            this.showPath(null);
            return;
        }
        this.pressed(button);
        this.showPath({ name, settings, path, projection });
    }
}
