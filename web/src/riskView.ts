// Risk: many seeded paths of the plan with returns that vary year by year, run by the core.
// The answer in the desktop pane's sentence, the band of the 10th to 90th percentile of Total
// Assets on the chart, and the worst and median paths to draw.
import type { Core, RiskPath, RiskSummary } from './core';
import { el } from './dom';

const count = new Intl.NumberFormat('en-US');

// A new seed: any unsigned 64-bit number, from the browser's random source.
function newSeed(): string {
    const words = crypto.getRandomValues(new Uint32Array(2));
    return ((BigInt(words[0]) << 32n) | BigInt(words[1])).toString();
}

export class RiskView {
    readonly element: HTMLElement;
    private readonly spread = el('input', { id: 'risk-spread', type: 'range', min: 0, max: 50, step: 1, value: 10 });
    private readonly spreadValue = el('output', { for: 'risk-spread', id: 'risk-spread-value' });
    private readonly paths = el(
        'select',
        { id: 'risk-paths' },
        el('option', { value: 1000 }, '1,000'),
        el('option', { value: 10000 }, '10,000'),
    );
    private readonly seed = el('input', { id: 'risk-seed', type: 'text', size: 22, value: '1', spellcheck: 'false' });
    private readonly age = el('input', { id: 'risk-age', type: 'number', min: 0, max: 150, step: 1, value: 95 });
    private readonly answer = el('p', { id: 'risk-answer', 'aria-live': 'polite' });
    private readonly body = el('tbody');
    private readonly worst = el('button', { type: 'button', id: 'risk-worst' }, 'Show the worst path');
    private readonly median = el('button', { type: 'button', id: 'risk-median' }, 'Show the median path');
    private summary: RiskSummary | null = null;
    private calculated = false;

    constructor(
        private readonly core: Core,
        private readonly showBand: (summary: RiskSummary | null) => void,
        private readonly showPath: (path: RiskPath | null, label: string) => void,
    ) {
        const newSeedButton = el('button', { type: 'button', id: 'risk-new-seed' }, 'New seed');
        this.element = el(
            'div',
            { class: 'risk' },
            el(
                'div',
                { class: 'sliders' },
                el('label', { for: 'risk-spread' }, 'Spread:'),
                this.spread,
                this.spreadValue,
                el('label', { for: 'risk-paths' }, 'Paths:'),
                this.paths,
                el('span'),
                el('label', { for: 'risk-seed' }, 'Seed:'),
                this.seed,
                newSeedButton,
                el('label', { for: 'risk-age' }, 'Age:'),
                this.age,
                el('span'),
            ),
            this.answer,
            el('div', { class: 'closing' }, this.worst, this.median),
            el(
                'table',
                { id: 'risk-years', class: 'numbers' },
                el('caption', {}, 'Total Assets by decade, over the paths that reach the year'),
                el(
                    'thead',
                    {},
                    el(
                        'tr',
                        {},
                        ...['Year', 'Paths', '10th percentile', 'Median', '90th percentile'].map((c) =>
                            el('th', { scope: 'col' }, c),
                        ),
                    ),
                ),
                this.body,
            ),
        );
        for (const control of [this.spread, this.paths, this.age, this.seed])
            control.addEventListener('change', () => this.run());
        this.spread.addEventListener('input', () => this.showSpread());
        newSeedButton.addEventListener('click', () => {
            this.seed.value = newSeed();
            this.run();
        });
        this.worst.addEventListener('click', () => this.drawPath(this.summary?.worstPath, 'worst'));
        this.median.addEventListener('click', () => this.drawPath(this.summary?.medianPath, 'median'));
        this.show(false);
    }

    // Whether the plan has been calculated; a new calculation runs the paths again.
    show(calculated: boolean): void {
        this.calculated = calculated;
        this.run();
    }

    private showSpread(): void {
        this.spreadValue.textContent = `${this.spread.value} points`;
    }

    private run(): void {
        this.showSpread();
        this.summary = null;
        this.body.replaceChildren();
        this.worst.disabled = this.median.disabled = true;
        this.showPath(null, '');
        if (!this.calculated) {
            this.answer.textContent = 'Calculate the plan to see how sure it is.';
            this.showBand(null);
            return;
        }
        const paths = Number(this.paths.value);
        const age = Number(this.age.value);
        const summary = this.core.risk(paths, Number(this.spread.value), this.seed.value.trim(), age);
        if (summary.status !== 'done') {
            this.answer.textContent =
                summary.status === 'badSettings'
                    ? 'The seed is a whole number from 0 to 18446744073709551615.'
                    : summary.status === 'invalidBirthDate'
                      ? "The plan's birth date is invalid, so it has no age."
                      : 'The paths could not be calculated.';
            this.showBand(null);
            return;
        }
        this.summary = summary;
        const share = ((1000 * summary.successes) / paths / 10).toFixed(1);
        this.answer.textContent =
            `The money lasts to age ${age} in ${count.format(summary.successes)} of ` +
            `${count.format(paths)} paths: ${share} %`;
        this.body.replaceChildren(
            ...summary.years
                .filter(([year], i) => year % 10 === 0 || i === 0)
                .map((row) => el('tr', {}, ...row.map((v, i) => el(i ? 'td' : 'th', i ? {} : { scope: 'row' }, String(v))))),
        );
        this.worst.disabled = this.median.disabled = false;
        this.showBand(summary);
    }

    private drawPath(path: number | undefined, which: string): void {
        if (path === undefined) return;
        const result = this.core.riskPath(Number(this.spread.value), this.seed.value.trim(), path, Number(this.age.value));
        this.showPath(result.status === 'done' ? result : null, `Path ${path + 1} (${which})`);
    }
}
