// The page's side of the core's workers (coreWorker.ts). Each kind of request goes on a line
// of its own ("calculate", "whatIf", ...), and the lines share workers by how long they take:
// a newer request on a line replaces one still waiting there, the answer to one overtaken
// while it ran is dropped, and a long search overtaken ends with its worker, so that what is
// shown is always the latest and a slow answer never holds up a quick one. A request that
// gets no answer, overtaken or cancelled, resolves to undefined. Cancel ends every worker.
import {
    type Plan, type PlanEdit, planEdit, type PlanInText, type PlanProblem, planFromText, planText, type Projection, type RiskPath,
    type RiskSettings, type SensitivityGrid, type Sustainable, type Variant,
} from './core';
import type { AmountStyle, CoreRequest, Opened } from './coreWorker';
import type { PackedLines } from './packedLines';
import { kCoreFiles, sayIfMissing } from './siteFiles';

interface Job {
    line: string;
    request: CoreRequest;
    // The plan a calculation or a check leaves in its worker; for a file opened, what stands
    // for its plan until the page has made it.
    plan?: Plan;
    opening?: object;
    resolve(result: unknown): void;
    stale: boolean;
}

// One worker and its requests, answered one at a time.
class Lane {
    worker: Worker | null = null;
    running: Job | null = null;
    waiting: Job[] = [];
    // The plan the worker holds, or what stands for it.
    planSent: object | null = null;

    // ended: an overtaken run ends with the worker rather than run to its end.
    constructor(readonly ended: boolean) {}

    stop(): Job[] {
        this.worker?.terminate();
        this.worker = null;
        this.planSent = null;
        const jobs = [...(this.running ? [this.running] : []), ...this.waiting];
        this.running = null;
        this.waiting = [];
        return jobs;
    }
}

// The lines on each worker: the plan's file and own answers, and each search apart.
const kLanes: Record<string, string> = {
    open: 'plan', restore: 'plan', bytes: 'plan',
    calculate: 'plan', yearLines: 'plan', riskPath: 'plan', csv: 'plan',
    whatIf: 'whatIf', sustain: 'sustain', sensitivity: 'grid',
    planChecks: 'checks', noFirstYear: 'checks',
};
const kEndedLanes = new Set(['sustain', 'grid']);
// The requests about the plan last calculated; the others bring what they are about.
const kAboutCalculated = new Set(['csv', 'whatIf', 'sustain', 'sensitivity', 'riskPath', 'yearLines', 'explainPathYear']);

export class CoreClient {
    private readonly lanes = new Map<string, Lane>();
    // The plan last calculated, which the answers about "the plan" are about.
    private plan: Plan | null = null;
    // Whether this task has copied the plan into a worker's message.
    private planPosted = false;

    // busy(true) when work starts, busy(false) when none is left.
    constructor(private readonly busy: (working: boolean) => void) {}

    // The plan opened stays in the worker that projects, which so need not be handed it.
    async open(bytes: Uint8Array): Promise<{ plan?: Plan; warning?: string; error?: string } | undefined> {
        const opening = {};
        const opened = await this.ask<Opened>('open', { kind: 'open', bytes }, { opening });
        if (!opened?.text) return opened && { error: opened.error };
        const plan = await planFromText(opened as PlanInText);
        // Unless the worker took another plan meanwhile.
        const lane = this.lane('open');
        if (lane.planSent === opening) lane.planSent = plan;
        return { plan, warning: opened.warning };
    }
    // A plan kept as its JSON text; null when the text is not one.
    async restore(text: string): Promise<Plan | null | undefined> {
        const opened = await this.ask<Opened>('restore', { kind: 'restore', plan: text });
        if (!opened) return undefined;
        return opened.text ? planFromText(opened as PlanInText) : null;
    }
    bytes(plan: Plan): Promise<Uint8Array<ArrayBuffer> | undefined> {
        return this.ask('bytes', { kind: 'bytes' }, { plan });
    }
    async calculate(plan: Plan): Promise<Projection | undefined> {
        const projection = await this.ask<Projection>('calculate', { kind: 'calculate' }, { plan });
        if (projection && plan !== this.plan) {
            this.plan = plan;
            this.dropOvertaken();
        }
        return projection;
    }
    projectionCsv(): Promise<string | undefined> {
        return this.ask('csv', { kind: 'csv' });
    }
    whatIf(expenses: number, returns: number): Promise<Variant | undefined> {
        return this.ask('whatIf', { kind: 'whatIf', expenses, returns });
    }
    sustain(age: number, returns: number): Promise<Sustainable | undefined> {
        return this.ask('sustain', { kind: 'sustain', age, returns });
    }
    sensitivity(age: number): Promise<SensitivityGrid | null | undefined> {
        return this.ask('sensitivity', { kind: 'sensitivity', age });
    }
    riskPath(settings: RiskSettings, path: number): Promise<RiskPath | null | undefined> {
        return this.ask('riskPath', { kind: 'riskPath', settings, path });
    }
    yearLines(year: number, style: AmountStyle): Promise<PackedLines | null | undefined> {
        return this.ask('yearLines', { kind: 'yearLines', year, style });
    }
    // A path's year, whose first line calls the path by name.
    explainPathYear(
        settings: RiskSettings, path: number, year: number, name: string, style: AmountStyle,
    ): Promise<PackedLines | null | undefined> {
        return this.ask('yearLines', { kind: 'explainPathYear', settings, path, year, name, style });
    }

    planChecks(plan: Plan): Promise<PlanProblem[] | undefined> {
        return this.ask('planChecks', { kind: 'planChecks' }, { plan });
    }
    // What What If and Risk say instead of answers for a plan with no first year; null when it
    // has one.
    noFirstYear(plan: Plan): Promise<string | null | undefined> {
        return this.ask('noFirstYear', { kind: 'noFirstYear' }, { plan });
    }

    // Ends every request.
    cancel(): void {
        for (const lane of this.lanes.values()) for (const job of lane.stop()) job.resolve(undefined);
        this.busy(false);
    }

    // The answers about the plan calculated before are no longer wanted: a long search for it
    // ends with its worker rather than hold a core that the new plan's answers need.
    private dropOvertaken(): void {
        for (const lane of this.lanes.values()) {
            const overtaken = (job: Job) => kAboutCalculated.has(job.request.kind);
            for (const job of lane.waiting.filter(overtaken)) job.resolve(undefined);
            lane.waiting = lane.waiting.filter((job) => !overtaken(job));
            if (!lane.running || !overtaken(lane.running)) continue;
            if (!lane.ended) {
                lane.running.stale = true;
                continue;
            }
            const [running, ...waiting] = lane.stop();
            running.resolve(undefined);
            lane.waiting = waiting;
            this.next(lane);
        }
    }

    // The plan as a worker is sent it: the edit that makes it of the plan the worker holds,
    // if one does, else whole.
    private sent(plan: Plan, lane: Lane): { plan: string } | { edit: PlanEdit } {
        const held = lane.planSent && 'incomes' in lane.planSent ? (lane.planSent as Plan) : null;
        const edit = held && planEdit(plan, held);
        return edit ? { edit } : { plan: planText(plan) };
    }

    private lane(line: string): Lane {
        const name = kLanes[line];
        let lane = this.lanes.get(name);
        if (!lane) this.lanes.set(name, (lane = new Lane(kEndedLanes.has(name))));
        return lane;
    }

    private ask<T>(line: string, request: CoreRequest, about: Pick<Job, 'plan' | 'opening'> = {}): Promise<T | undefined> {
        const lane = this.lane(line);
        return new Promise((resolve) => {
            for (const job of lane.waiting.filter((j) => j.line === line)) job.resolve(undefined);
            lane.waiting = lane.waiting.filter((j) => j.line !== line);
            if (lane.running?.line === line) {
                if (lane.ended) {
                    const [overtaken, ...waiting] = lane.stop();
                    overtaken.resolve(undefined);
                    lane.waiting = waiting;
                } else {
                    lane.running.stale = true;
                }
            }
            lane.waiting.push({ line, request, ...about, resolve: resolve as (result: unknown) => void, stale: false });
            this.next(lane);
        });
    }

    private next(lane: Lane): void {
        if (lane.running) return;
        const job = lane.waiting.shift();
        if (!job) {
            if ([...this.lanes.values()].every((l) => !l.running)) this.busy(false);
            return;
        }
        this.busy(true);
        lane.running = job;
        // A calculation brings its own plan; the answers about the plan calculated need it there.
        const needsPlan = kAboutCalculated.has(job.request.kind) && this.plan !== null && lane.planSent !== this.plan;
        // Copying a plan of many items into a worker's message takes a while: one a task, so
        // that a view that asks several workers at once does not hold the page for them all.
        if (needsPlan && this.planPosted) {
            lane.running = null;
            lane.waiting.unshift(job);
            window.setTimeout(() => this.next(lane), 0);
            return;
        }
        const worker = (lane.worker ??= new Worker('coreWorker.js'));
        if (needsPlan) {
            worker.postMessage({ kind: 'use', ...this.sent(this.plan!, lane) } satisfies CoreRequest);
            lane.planSent = this.plan;
            this.planPosted = true;
            window.setTimeout(() => (this.planPosted = false), 0);
        }
        if (job.opening) lane.planSent = job.opening;
        if (job.plan) {
            // A plan the worker holds already, opened or calculated there, is not sent again.
            const request = job.request as CoreRequest & { kind: 'calculate' | 'bytes' | 'planChecks' | 'noFirstYear' };
            if (lane.planSent !== job.plan) job.request = { ...request, ...this.sent(job.plan, lane) };
            lane.planSent = job.plan;
        }
        worker.onmessage = (event: MessageEvent<{ result: unknown }>) => {
            lane.running = null;
            job.resolve(job.stale ? undefined : event.data.result);
            this.next(lane);
        };
        worker.onerror = () => {
            // A worker that fails (out of memory, or a file of it missing, which is said) is
            // replaced; the request gets no answer.
            void sayIfMissing(['coreWorker.js', ...kCoreFiles]);
            lane.worker?.terminate();
            lane.worker = null;
            lane.planSent = null;
            lane.running = null;
            job.resolve(undefined);
            this.next(lane);
        };
        const transfer = job.request.kind === 'open' ? [job.request.bytes.buffer] : [];
        worker.postMessage(job.request, transfer);
    }
}
