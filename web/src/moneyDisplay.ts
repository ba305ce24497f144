// How the chart and Year Details show amounts: as projected, or in today's money at an
// inflation rate, as the desktop's What If pane sets it. A choice of display only, kept in the
// browser's storage: the table, the plan file and the saved bytes stay in the projected amounts.
import type { Core, TodaysMoneyWords } from './core';

const kStorageKey = 'orbelan.display';

// A rate as the desktop's field takes it, from 0.0 to the core's largest with one decimal;
// null when the text or the kept value is no number.
export function inflationFrom(value: unknown, max: number): number | null {
    const rate = typeof value === 'number' ? value : typeof value === 'string' && value.trim() !== '' ? Number(value) : NaN;
    if (!Number.isFinite(rate)) return null;
    return Math.round(Math.min(max, Math.max(0, rate)) * 10) / 10;
}

export class MoneyDisplay {
    todaysMoney = false;
    inflation: number;
    // The year whose money "today's money" means.
    readonly currentYear = new Date().getFullYear();
    private readonly listeners: (() => void)[] = [];
    private readonly todaysWords: TodaysMoneyWords;

    constructor(private readonly core: Core) {
        const { defaultInflation, maxInflation } = core.texts.limits;
        this.inflation = defaultInflation;
        this.todaysWords = core.todaysMoneyWords(this.currentYear);
        try {
            const kept: unknown = JSON.parse(localStorage.getItem(kStorageKey) ?? 'null');
            if (typeof kept !== 'object' || kept === null) return;
            const { todaysMoney, inflation } = kept as Record<string, unknown>;
            this.todaysMoney = todaysMoney === true;
            this.inflation = inflationFrom(inflation, maxInflation) ?? defaultInflation;
        } catch {
            // Nothing kept, or storage turned off: amounts show as projected.
        }
    }

    listen(listener: () => void): void {
        this.listeners.push(listener);
    }

    // Remembers the choice and tells the views.
    set(todaysMoney: boolean, inflation: number): void {
        if (todaysMoney === this.todaysMoney && inflation === this.inflation) return;
        this.todaysMoney = todaysMoney;
        this.inflation = inflation;
        try {
            localStorage.setItem(kStorageKey, JSON.stringify({ todaysMoney, inflation }));
        } catch {
            // Storage may be full or turned off; the choice holds for this visit.
        }
        for (const listener of this.listeners) listener();
    }

    // The chart's amount axis title: "In 2026 money", none for amounts as projected.
    get axisTitle(): string | undefined {
        return this.todaysMoney ? this.todaysWords.axis : undefined;
    }

    // The heading of Year Details' amounts.
    get amountHeading(): string {
        return this.todaysMoney ? this.todaysWords.amount : this.core.texts.amount;
    }

    // An amount of the year as shown, converted by the core.
    shown(amount: number, year: number): number {
        return this.todaysMoney ? this.core.todaysMoney(amount, this.inflation, year, this.currentYear) : amount;
    }
}
