// The C++ core, compiled to WebAssembly (src/wasm/WebCore.cpp), and the shapes it speaks in.
import { type PlanEdit, planText } from './planText';

export { planEdit, type PlanEdit, planFromText, type PlanInText, planInText, planText } from './planText';

import type { Plan } from './plan';

export type { ExpenseItem, IncomeItem, Plan, PlanDate, ScheduledAmounts } from './plan';

export interface YearBreakdown {
    year: number;
    income: number;
    totalAssets: number;
    availableAssets: number;
    withdrawals: number;
    covered: boolean;
    unpaid: number;
    incomes: {
        item: number;
        opening: number;
        initial: number;
        annual: number;
        interestRate: number;
        interest: number;
        tax: number;
        credited: number;
        withdrawn: number;
        closing: number;
    }[];
    expenses: { item: number; initial: number; annual: number }[];
    draws: { item: number; taxRate: number; gross: number; taken: number; received: number }[];
}

// A line of Year Details as the desktop builds it: 0 a heading, 1 an item, 2 an item's
// figure; the amount as shown (in today's money when asked), null for a line without one.
export interface ExplanationLine {
    depth: number;
    label: string;
    amount: number | null;
    emphasised: boolean;
}

// How the page writes a sentence's amount inside those lines.
export interface ExplanationText {
    amount(amount: number): string;
}

// The money Year Details' lines are shown in: the year's own, or today's at an inflation.
export interface LineMoney {
    todaysMoney: boolean;
    inflation: number;
    currentYear: number;
}

// Years in a row, from firstYear: those a chart's axis runs over.
export interface YearSpan {
    firstYear: number;
    count: number;
}

// A year the chart marks, placed and worded by the core as the desktop chart places it.
export interface ChartMark {
    kind: 'retirement' | 'notCovered' | 'limit';
    year: number;
    text: string;
}

// A row of the projection, as the table shows it.
export interface ProjectionYear {
    year: number;
    income: number;
    totalAssets: number;
    availableAssets: number;
    withdrawals: number;
}

export interface Projection {
    firstYear: number;
    rowCount: number;
    stoppedAtLimit: boolean;
    lastRowCovered: boolean;
    // The year that could not be calculated, when the projection stopped at the limit.
    limitYear: number | null;
    marks: ChartMark[];
    years: ProjectionYear[];
    message?: string;
}

export interface Variant {
    horizon: number;
    firstUncoveredYear: number | null;
    // Where the projection stopped at the calculation limit, if it did.
    limitYear: number | null;
    // How long the variant's money lasts, as the desktop's pane says it.
    sentence: string;
    rows: [number, number, number, number, number][];
    error?: string;
}

// The sustainable spending to an age, with the pane's sentence for it.
export interface Sustainable {
    status: string;
    percent: number;
    limitYear: number;
    sentence: string;
}

// A band of the grid's colours, as the desktop's grid colours its cells.
export type GridBand = 'beforeRetirement' | 'beforeAge' | 'lasting' | 'untilLimit' | 'unknown';

// The sensitivity grid for an age, with its headings, legend and note in the desktop's words.
export interface SensitivityGrid {
    cells: { horizon: number; text: string; tip: string; band: GridBand }[][];
    // The expenses of each column in percent and the returns of each row in points, with
    // their headings.
    percents: number[];
    points: number[];
    columns: string[];
    rows: string[];
    legend: { band: GridBand; text: string }[];
    note: string;
}

// A risk run as orbelan-cli risk --json gives it, with what the page needs besides.
export interface RiskSummary {
    status: 'done' | 'badSeed' | 'invalidBirthDate' | 'ageProblem' | 'cannotCalculate';
    paths: number;
    spread: number;
    untilAge: number;
    horizonYear: number;
    successes: number;
    stoppedAtLimit: number;
    // Over every path; a percentile that falls beyond the calculation limit is null.
    years: {
        year: number;
        paths: number;
        ranOut: number;
        beyondLimit: number;
        p10: number | null;
        p50: number | null;
        p90: number | null;
    }[];
    // How sure the plan is, or why that is not known, as the desktop's pane says it.
    answer: string;
    // The share of the paths that succeed in tenths of a percent, rounded by the core.
    successTenths: number;
    worstPath: number;
    medianPath: number;
    // "worst path, no. 256": the paths above as the desktop names them.
    worstPathName: string;
    medianPathName: string;
}

// What can be spent at a confidence, as orbelan-cli goal --json gives it, with the sentences
// the Risk view shows and the plan with its expenses at the spending found.
export interface GoalSummary {
    status: 'done' | 'problem';
    confidence?: number;
    spending?: number | null;
    lastsToAge?: number;
    spendingText: string;
    lastsText: string;
    plan?: Plan | null;
}

export interface RiskSettings {
    paths: number;
    spread: number;
    // Decimal text: a seed is any unsigned 64-bit number.
    seed: string;
    untilAge: number;
}

export interface RiskPath {
    // year, income, Total Assets, Available Assets, withdrawals, the path's offset in points
    rows: [number, number, number, number, number, number][];
    firstUncoveredYear: number | null;
    stoppedAtLimit: boolean;
}

// How the page writes the numbers inside the core's sentences.
export interface NumberWords {
    whole(number: number): string;
    tenths(tenths: number): string;
}

// A comparison of the plan with others on the same paths, as the core words it.
export interface ScenarioAnswer {
    status: 'done' | 'problem' | 'badSeed';
    // With "problem" or "badSeed": why there are no figures.
    sentence?: string;
    names: string[];
    figures: { label: string; values: string[] }[];
    settings: string;
    pairs: { first: number; second: number; sentence: string }[];
    // Each plan's own Total Assets by year from its first.
    tables: { firstYear: number; totalAssets: number[] }[];
}

// A problem the plan's checks find, with where it is fixed: the general data, or an item of a
// list (null for a list with no item yet) at the field of that name.
export interface PlanProblem {
    part: 'general' | 'income' | 'expenses';
    item: number | null;
    field: string;
    sentence: string;
}

// The questions of a first plan; rates as the bits of their floats, as the plan holds them.
export interface PlanAnswers {
    birthYear: number;
    retirementAge: number;
    savings: number;
    savingsInterest: number;
    salary: number;
    salaryGrowth: number;
    livingCosts: number;
    pension: number;
    pensionAge: number;
}

export interface Limits {
    defaultUntilAge: number;
    maxUntilAge: number;
    defaultSpread: number;
    maxSpread: number;
    minConfidence: number;
    maxConfidence: number;
    defaultConfidence: number;
    // The numbers of paths offered, the first by default.
    pathChoices: number[];
    // What If's expenses in percent of the planned ones, and its returns from -maxReturns to
    // maxReturns points.
    minExpenses: number;
    maxExpenses: number;
    maxReturns: number;
    // The inflation today's money is shown at until another is chosen, and the largest taken.
    defaultInflation: number;
    maxInflation: number;
    // The years a plan's dates may fall in.
    firstYear: number;
    lastYear: number;
}

// The names screen readers give the views' parts and the tips of their controls, as the
// desktop's panes give them.
export interface ControlNames {
    planCheck: string;
    nextProblemTip: string;
    fixProblemTip: string;
    projection: string;
    projectionChart: string;
    yearDetails: string;
    sustainAge: string;
    grid: string;
    gridLegend: string;
    todaysMoneyTip: string;
    inflation: string;
    inflationTip: string;
    pathsDone: string;
    comparisonDone: string;
    cancelRunTip: string;
    scenarioFigures: string;
}

export interface Texts {
    errorOpeningFile: string;
    fileFormatError: string;
    errorSavingFile: string;
    allocationError: string;
    enterInteger: string;
    enterNumber: string;
    riskCancelled: string;
    // A confidence outside its range.
    confidenceRange: string;
    riskCannotCalculate: string;
    // A percentile that falls on a path beyond the calculation limit.
    beyondLimit: string;
    scenariosFull: string;
    scenarioNeedsCalculation: string;
    scenarioCancelled: string;
    // While Risk, What If or Scenarios work out an answer.
    working: string;
    // What the views say before the plan is calculated.
    riskNeedsCalculation: string;
    whatIfNeedsCalculation: string;
    gridNeedsCalculation: string;
    yearDetailsNeedsCalculation: string;
    gridNotCalculated: string;
    // The headings of Year Details' lines and of their amounts as projected.
    item: string;
    amount: string;
    // Above the sensitivity grid.
    gridTitle: string;
    // What the questions of a first plan ask of the answers.
    questionsIntro: string;
    // What the Risk view's controls say the spread, the seed and the paths shown are.
    spreadTip: string;
    seedTip: string;
    worstPathTip: string;
    medianPathTip: string;
    // What the views say of a spread or an age typed outside the range the core takes.
    enterSpread: string;
    enterUntilAge: string;
    // What a date field says of a year outside those a plan's dates may fall in.
    enterYear: string;
    // The ranges and defaults of what the views let the reader set, as the desktop's controls take them.
    limits: Limits;
    controls: ControlNames;
    // The headings of the projection's columns, as the desktop's list, the CSV and the report have them.
    columns: string[];
    // The chart's names of its series.
    series: {
        income: string;
        withdrawals: string;
        totalAssets: string;
        availableAssets: string;
        whatIfTotal: string;
        whatIfAvailable: string;
        band: string;
        median: string;
    };
}

// The titles of the chart's amount axis and of Year Details' amounts in today's money.
export interface TodaysMoneyWords {
    axis: string;
    amount: string;
}

interface Module {
    texts(): string;
    openPlan(bytes: Uint8Array): string;
    planBytes(plan: string): Uint8Array<ArrayBuffer> | null;
    newPlan(): string;
    withRetirementDate(plan: string): string;
    insertItem(plan: string, income: boolean, index: number): string;
    setPlan(plan: string): boolean;
    editPlan(general: string, list: number, index: number, item: string): boolean;
    calculate(): string;
    projectionCsv(): string;
    whatIf(expensesPercent: number, returnPoints: number): string;
    sustain(age: number, returnPoints: number): string;
    sensitivity(age: number): string;
    pointsInWords(points: number): string;
    totalAssetsOf(name: string): string;
    chartYears(series: string): string;
    todaysMoneyWords(currentYear: number): string;
    risk(
        paths: number, spread: number, seed: string, untilAge: number, progress: ((done: number) => void) | undefined,
        numbers: NumberWords,
    ): string;
    riskPath(paths: number, spread: number, seed: string, untilAge: number, path: number): string;
    goal(paths: number, spread: number, seed: string, untilAge: number, confidence: number, numbers: NumberWords): string;
    compareScenarios(
        others: string, files: string, paths: number, spread: number, seed: string, untilAge: number,
        progress?: (thousandths: number) => void,
    ): string;
    yearLines(year: number, todaysMoney: boolean, inflation: number, currentYear: number, text: ExplanationText): string;
    explainPathYear(
        paths: number, spread: number, seed: string, untilAge: number, path: number, year: number, name: string,
        todaysMoney: boolean, inflation: number, currentYear: number, text: ExplanationText,
    ): string;
    todaysMoney(amount: number, inflation: number, year: number, currentYear: number): number;
    parseInteger(text: string): string;
    parseRate(text: string): string;
    showRate(bits: number): string;
    saveName(name: string): string;
    saveChangesQuestion(name: string): string;
    planChecks(plan: string): string;
    noFirstYear(plan: string): string;
    currentPlanChecks(): string;
    currentPlanBytes(): Uint8Array<ArrayBuffer>;
    currentNoFirstYear(): string;
    defaultAnswers(currentYear: number): string;
    planFromQuestions(answers: string, currentYear: number): string;
    displayName(stored: string): string;
}

// Whether stored data has the plan's shape, before the core is given it.
export function isPlan(value: unknown): value is Plan {
    const date = (d: unknown) =>
        d === null || (Array.isArray(d) && d.length === 3 && d.every(Number.isInteger));
    const int = (n: unknown) => Number.isInteger(n);
    const rate = (n: unknown) => Number.isInteger(n) && (n as number) >= 0 && (n as number) < 2 ** 32;
    const name = (s: unknown) => typeof s === 'string' && /^[\x00-\xff]*$/.test(s);
    const p = value as Plan;
    return (
        typeof p === 'object' && p !== null &&
        date(p.birthDate) && int(p.retirementAge) && date(p.retirementDate) &&
        rate(p.taxRateBefore) && rate(p.taxRateAfter) &&
        Array.isArray(p.incomes) && Array.isArray(p.expenses) &&
        p.incomes.every((i) =>
            name(i.name) && typeof i.taxable === 'boolean' && int(i.initialAmount) &&
            date(i.initialDate) && int(i.annualAmount) && date(i.annualStart) &&
            date(i.annualEnd) && rate(i.growthRate) && date(i.rateSwitchDate) &&
            rate(i.rateBefore) && rate(i.rateAfter) && typeof i.withdrawalTaxable === 'boolean' &&
            date(i.withdrawalStart)) &&
        p.expenses.every((e) =>
            name(e.name) && int(e.initialAmount) && date(e.initialDate) && int(e.annualAmount) &&
            date(e.annualStart) && date(e.annualEnd) && rate(e.growthRate))
    );
}

declare const OrbelanCore: () => Promise<Module>;


// The core answers a plan it cannot read with null rather than a throw; the page only ever
// hands it plans of its own, so that is a fault of the page.
function readPlan<T>(answer: T | null): T {
    if (answer === null) throw new Error('The core could not read the page\'s plan.');
    return answer;
}

export type Parsed = { value: number; error?: undefined } | { value?: undefined; error: string };

export class Core {
    readonly texts: Texts;

    private constructor(private readonly module: Module) {
        this.texts = JSON.parse(module.texts());
    }

    static async load(): Promise<Core> {
        return new Core(await OrbelanCore());
    }

    open(bytes: Uint8Array): { plan?: Plan; warning?: string; error?: string } {
        return JSON.parse(this.openText(bytes));
    }
    // The same as JSON text.
    openText(bytes: Uint8Array): string {
        return this.module.openPlan(bytes);
    }
    // The plan's file bytes; the plan as an object or as its JSON text.
    bytes(plan: Plan | string): Uint8Array<ArrayBuffer> {
        return readPlan(this.module.planBytes(typeof plan === 'string' ? plan : planText(plan)));
    }
    newPlan(): Plan {
        return JSON.parse(this.module.newPlan());
    }
    withRetirementDate(plan: Plan): Plan {
        return readPlan(JSON.parse(this.module.withRetirementDate(JSON.stringify(plan))));
    }
    insertItem(plan: Plan, income: boolean, index: number): Plan {
        return readPlan(JSON.parse(this.module.insertItem(JSON.stringify(plan), income, index)));
    }
    // The plan that the answers below are about, as an object or as its JSON text.
    usePlan(plan: Plan | string): void {
        if (!this.module.setPlan(typeof plan === 'string' ? plan : planText(plan))) readPlan(null);
    }
    // The plan in use edited, rather than read again whole.
    editPlan(edit: PlanEdit): void {
        if (!this.module.editPlan(edit.general, edit.list, edit.index, edit.item)) readPlan(null);
    }
    calculate(plan: Plan | string): Projection {
        this.usePlan(plan);
        return this.project();
    }
    // The current plan's projection.
    project(): Projection {
        return JSON.parse(this.module.calculate());
    }
    // The current plan's projection as orbelan-cli project --csv writes it.
    projectionCsv(): string {
        return this.module.projectionCsv();
    }
    // The What If and risk answers below are about the plan last calculated.
    whatIf(expensesPercent: number, returnPoints: number): Variant {
        return JSON.parse(this.module.whatIf(expensesPercent, returnPoints));
    }
    sustain(age: number, returnPoints: number): Sustainable {
        return JSON.parse(this.module.sustain(age, returnPoints));
    }
    sensitivity(age: number): SensitivityGrid | null {
        return JSON.parse(this.module.sensitivity(age));
    }
    // "+1 point", "-2 points": points of returns as the desktop writes them.
    pointsInWords(points: number): string {
        return this.module.pointsInWords(points);
    }
    // "Total Assets (NAME)": a risk path's or another plan's on the chart.
    totalAssetsOf(name: string): string {
        return this.module.totalAssetsOf(name);
    }
    // The years the chart runs over so that every series, given as [firstYear, count], is drawn
    // whole: the same span as the desktop's chart and the report's.
    chartYears(series: [number, number][]): YearSpan {
        return JSON.parse(this.module.chartYears(JSON.stringify(series)));
    }
    todaysMoneyWords(currentYear: number): TodaysMoneyWords {
        return JSON.parse(this.module.todaysMoneyWords(currentYear));
    }
    // The whole run, on the calling thread: the page calls it from a worker.
    risk(settings: RiskSettings, numbers: NumberWords, progress?: (done: number) => void): RiskSummary {
        const { paths, spread, seed, untilAge } = settings;
        return JSON.parse(this.module.risk(paths, spread, seed, untilAge, progress, numbers));
    }
    // The plan in use beside the others (their JSON texts), named by the files (the plan in use
    // first), on the calling thread: the page calls it from a worker.
    compare(
        others: string[], files: string[], settings: RiskSettings, progress?: (thousandths: number) => void,
    ): ScenarioAnswer {
        const { paths, spread, seed, untilAge } = settings;
        const othersJson = `[${others.join(',')}]`;
        return JSON.parse(
            this.module.compareScenarios(othersJson, JSON.stringify(files), paths, spread, seed, untilAge, progress),
        );
    }
    // What can be spent at the confidence over the same paths, on the calling thread: the page
    // calls it from the risk run's worker.
    goal(settings: RiskSettings, confidence: number, numbers: NumberWords): GoalSummary {
        const { paths, spread, seed, untilAge } = settings;
        return JSON.parse(this.module.goal(paths, spread, seed, untilAge, confidence, numbers));
    }
    riskPath(settings: RiskSettings, path: number): RiskPath | null {
        const { paths, spread, seed, untilAge } = settings;
        return JSON.parse(this.module.riskPath(paths, spread, seed, untilAge, path));
    }
    // Year Details' lines of a year of the plan last calculated; null for a year it does not reach.
    yearLines(year: number, money: LineMoney, text: ExplanationText): ExplanationLine[] | null {
        const { todaysMoney, inflation, currentYear } = money;
        return JSON.parse(this.module.yearLines(year, todaysMoney, inflation, currentYear, text));
    }
    // The same for a year of a path of the risk run, which the first line calls by name.
    explainPathYear(
        settings: RiskSettings, path: number, year: number, name: string, money: LineMoney, text: ExplanationText,
    ): (YearBreakdown & { returns: number; lines: ExplanationLine[] }) | null {
        const { paths, spread, seed, untilAge } = settings;
        const { todaysMoney, inflation, currentYear } = money;
        return JSON.parse(
            this.module.explainPathYear(paths, spread, seed, untilAge, path, year, name, todaysMoney, inflation, currentYear, text),
        );
    }
    // An amount of the year in the money of currentYear, as the desktop shows it: rounded as
    // the engine rounds, at the nearest limit when it leaves 32 bits.
    todaysMoney(amount: number, inflation: number, year: number, currentYear: number): number {
        return this.module.todaysMoney(amount, inflation, year, currentYear);
    }
    parseInteger(text: string): Parsed {
        return JSON.parse(this.module.parseInteger(text));
    }
    parseRate(text: string): Parsed {
        return JSON.parse(this.module.parseRate(text));
    }
    showRate(bits: number): string {
        return this.module.showRate(bits);
    }
    saveName(name: string): string {
        return this.module.saveName(name);
    }
    // "Save changes to home.Orbe?"
    saveChangesQuestion(name: string): string {
        return this.module.saveChangesQuestion(name);
    }
    planChecks(plan: Plan | string): PlanProblem[] {
        return JSON.parse(this.module.planChecks(typeof plan === 'string' ? plan : planText(plan)));
    }
    noFirstYear(plan: Plan | string): string | null {
        return JSON.parse(this.module.noFirstYear(typeof plan === 'string' ? plan : planText(plan)));
    }
    // The same of the plan in use.
    currentBytes(): Uint8Array<ArrayBuffer> {
        return this.module.currentPlanBytes();
    }
    currentPlanChecks(): PlanProblem[] {
        return JSON.parse(this.module.currentPlanChecks());
    }
    currentNoFirstYear(): string | null {
        return JSON.parse(this.module.currentNoFirstYear());
    }
    defaultAnswers(currentYear: number): PlanAnswers {
        return JSON.parse(this.module.defaultAnswers(currentYear));
    }
    planFromQuestions(answers: PlanAnswers, currentYear: number): Plan | null {
        return JSON.parse(this.module.planFromQuestions(JSON.stringify(answers), currentYear));
    }
    // A stored name as every edition shows it: UTF-8 as it is, anything else as Windows-1252.
    displayName(stored: string): string {
        return this.module.displayName(stored);
    }
}
