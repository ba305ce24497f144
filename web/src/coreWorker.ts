// The core's answers about a plan, worked out in a worker so that the page never waits on
// them: opening a file, the projection, What If, sustainable spending, the grid, a risk path,
// Year Details, the saved bytes and the plan's checks. Requests are answered one at a time, in order.
import { Core, type ExplanationText, isPlan, type LineMoney, type Plan, type RiskSettings } from './core';
import { packedBuffers, packLines, type PackedLines } from './packedLines';

// How Year Details shows the amounts of its year: projected, or in today's money.
export type AmountStyle = LineMoney;

// Plans travel as their JSON text (planText), and an opened plan comes back as such.
export type CoreRequest =
    // The plan the answers below are about, sent again to a new worker; not answered.
    | { kind: 'use'; plan: string }
    | { kind: 'open'; bytes: Uint8Array }
    // A plan's JSON text kept in the browser's storage, checked and answered as a file opened.
    | { kind: 'restore'; plan: string }
    | { kind: 'bytes'; plan: string }
    // Without a plan, the plan the worker holds: the one it opened or last calculated.
    | { kind: 'calculate'; plan?: string }
    | { kind: 'whatIf'; expenses: number; returns: number }
    | { kind: 'sustain'; age: number; returns: number }
    | { kind: 'sensitivity'; age: number }
    | { kind: 'riskPath'; settings: RiskSettings; path: number }
    | { kind: 'yearLines'; year: number; style: AmountStyle }
    | { kind: 'explainPathYear'; settings: RiskSettings; path: number; year: number; name: string; style: AmountStyle }
    | { kind: 'planChecks'; plan: string }
    | { kind: 'noFirstYear'; plan: string };

declare function importScripts(...urls: string[]): void;
const scope = self as unknown as {
    onmessage: ((event: MessageEvent<CoreRequest>) => void) | null;
    postMessage(reply: unknown, transfer?: Transferable[]): void;
};

// A sentence's amount, already converted by the core, as the page writes numbers.
const pageText: ExplanationText = { amount: (amount) => amount.toLocaleString() };

// The file's plan as the texts of its general data and of each item, which the page keeps
// with the items it makes of them, and the core's warning or refusal.
export interface Opened {
    general?: string;
    incomes?: string[];
    expenses?: string[];
    warning?: string;
    error?: string;
}

function inParts(plan: Plan): Opened {
    const { incomes, expenses, ...general } = plan;
    const text = (item: object) => JSON.stringify(item);
    return { general: JSON.stringify(general), incomes: incomes.map(text), expenses: expenses.map(text) };
}

function opened(core: Core, bytes: Uint8Array): Opened {
    const { plan, warning, error } = core.open(bytes);
    return plan ? { ...inParts(plan), warning } : { error };
}

// Nothing of a text that is not a plan.
function restored(text: string): Opened {
    try {
        const plan: unknown = JSON.parse(text);
        return isPlan(plan) ? inParts(plan) : {};
    } catch {
        return {};
    }
}

function answer(core: Core, request: CoreRequest): unknown {
    switch (request.kind) {
        case 'use':
            core.usePlan(request.plan);
            return undefined;
        case 'open':
            return opened(core, request.bytes);
        case 'restore':
            return restored(request.plan);
        case 'bytes':
            return core.bytes(request.plan);
        case 'calculate':
            if (request.plan !== undefined) core.usePlan(request.plan);
            return core.project();
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
            return core.planChecks(request.plan);
        case 'noFirstYear':
            return core.noFirstYear(request.plan);
        case 'explainPathYear': {
            const { settings, path, year, name, style } = request;
            const explained = core.explainPathYear(settings, path, year, name, style, pageText);
            return explained && packLines(explained.lines);
        }
    }
}

function isPacked(result: unknown): result is PackedLines {
    return typeof result === 'object' && result !== null && 'kinds' in result;
}

importScripts('orbelan.js');
const loading = Core.load();
scope.onmessage = async (event) => {
    const core = await loading;
    const result = answer(core, event.data);
    if (event.data.kind === 'use') return;
    const transfer = result instanceof Uint8Array ? [result.buffer] : isPacked(result) ? packedBuffers(result) : [];
    scope.postMessage({ result }, transfer);
};
