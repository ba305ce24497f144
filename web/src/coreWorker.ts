// The core's answers about a plan, worked out in a worker so that the page never waits on
// them: opening a file, the projection, What If, sustainable spending, the grid, a risk path,
// Year Details, the saved bytes and the plan's checks. Requests are answered one at a time, in order.
import {
    Core, type ExplanationText, isPlan, type LineMoney, type PlanEdit, type PlanInText, planInText, type RiskSettings,
} from './core';
import { packLines } from './packedLines';

// How Year Details shows the amounts of its year: projected, or in today's money.
export type AmountStyle = LineMoney;

// Plans travel as their JSON text (planText), and an opened plan comes back as such.
export type CoreRequest =
    // The plan the answers below are about, sent again to a new worker; not answered.
    | { kind: 'use'; plan?: string; edit?: PlanEdit }
    | { kind: 'open'; bytes: Uint8Array }
    // A plan's JSON text kept in the browser's storage, checked and answered as a file opened.
    | { kind: 'restore'; plan: string }
    // Of the plan the worker holds, as a calculation takes it.
    | { kind: 'bytes'; plan?: string; edit?: PlanEdit }
    // Without a plan, the plan the worker holds: the one it opened or last calculated, or that
    // one edited.
    | { kind: 'calculate'; plan?: string; edit?: PlanEdit }
    // The projection of the plan last calculated, as orbelan-cli project --csv writes it.
    | { kind: 'csv' }
    | { kind: 'whatIf'; expenses: number; returns: number }
    | { kind: 'sustain'; age: number; returns: number }
    | { kind: 'sensitivity'; age: number }
    | { kind: 'riskPath'; settings: RiskSettings; path: number }
    | { kind: 'yearLines'; year: number; style: AmountStyle }
    | { kind: 'explainPathYear'; settings: RiskSettings; path: number; year: number; name: string; style: AmountStyle }
    // Of the plan the worker holds, as a calculation takes it.
    | { kind: 'planChecks'; plan?: string; edit?: PlanEdit }
    | { kind: 'noFirstYear'; plan?: string; edit?: PlanEdit };

declare function importScripts(...urls: string[]): void;
const scope = self as unknown as {
    onmessage: ((event: MessageEvent<CoreRequest>) => void) | null;
    postMessage(reply: unknown, transfer?: Transferable[]): void;
};

// A sentence's amount, already converted by the core, as the page writes numbers.
const pageText: ExplanationText = { amount: (amount) => amount.toLocaleString() };

// The file's plan as its text, which the page keeps with the items it makes of it, and the
// core's warning or refusal.
export type Opened = Partial<PlanInText> & { warning?: string; error?: string };

function opened(core: Core, bytes: Uint8Array): Opened {
    const { plan, warning, error } = core.open(bytes);
    return plan ? { ...planInText(plan), warning } : { error };
}

// Nothing of a text that is not a plan.
function restored(text: string): Opened {
    try {
        const plan: unknown = JSON.parse(text);
        return isPlan(plan) ? planInText(plan) : {};
    } catch {
        return {};
    }
}

// The plan a request brings, whole or as an edit of the plan held.
function hold(core: Core, request: { plan?: string; edit?: PlanEdit }): void {
    if (request.plan !== undefined) core.usePlan(request.plan);
    if (request.edit !== undefined) core.editPlan(request.edit);
}

function answer(core: Core, request: CoreRequest): unknown {
    switch (request.kind) {
        case 'use':
            hold(core, request);
            return undefined;
        case 'open':
            return opened(core, request.bytes);
        case 'restore':
            return restored(request.plan);
        case 'bytes':
            hold(core, request);
            return core.currentBytes();
        case 'calculate':
            hold(core, request);
            return core.project();
        case 'csv':
            return core.projectionCsv();
        case 'whatIf':
            return core.whatIf(request.expenses, request.returns);
        case 'sustain':
            return core.sustain(request.age, request.returns);
        case 'sensitivity':
            return core.sensitivity(request.age);
        case 'riskPath':
            return core.riskPath(request.settings, request.path);
        case 'yearLines': {
            const lines = core.yearLines(request.year, request.style, pageText);
            return lines && packLines(lines);
        }
        case 'planChecks':
            hold(core, request);
            return core.currentPlanChecks();
        case 'noFirstYear':
            hold(core, request);
            return core.currentNoFirstYear();
        case 'explainPathYear': {
            const { settings, path, year, name, style } = request;
            const explained = core.explainPathYear(settings, path, year, name, style, pageText);
            return explained && packLines(explained.lines);
        }
    }
}

// The buffers of an answer, the bytes or those beside its strings, move to the page rather than
// be copied.
function buffersOf(result: unknown): ArrayBuffer[] {
    if (result instanceof Uint8Array) return [result.buffer as ArrayBuffer];
    if (typeof result !== 'object' || result === null) return [];
    return Object.values(result)
        .filter((value): value is ArrayBufferView => ArrayBuffer.isView(value))
        .map((view) => view.buffer as ArrayBuffer);
}

importScripts('orbelan.js');
const loading = Core.load();
scope.onmessage = async (event) => {
    const core = await loading;
    const result = answer(core, event.data);
    if (event.data.kind === 'use') return;
    scope.postMessage({ result }, buffersOf(result));
};
