// The risk run, and the comparison of scenarios over the same paths, in a worker of their own,
// so that the page stays responsive through the many paths: the browser's module has no
// threads, and a run of 10,000 paths takes a while. A run that is no longer wanted is ended
// with the worker.
import { Core, type RiskSettings, type RiskSummary, type ScenarioAnswer } from './core';
import { pageNumbers } from './numberWords';

export type RiskRequest =
    // A piece of the plan's JSON text (planText): a plan of many items comes in pieces, the
    // request after its last.
    | { kind: 'piece'; text: string }
    | { kind: 'risk'; settings: RiskSettings }
    // The plan beside the others, named by their files, the plan's first.
    | { kind: 'compare'; others: string[]; files: string[]; settings: RiskSettings };

export type RiskReply = { done: number } | { answer: RiskSummary | ScenarioAnswer };

declare function importScripts(...urls: string[]): void;
const scope = self as unknown as {
    onmessage: ((event: MessageEvent<RiskRequest>) => void) | null;
    postMessage(reply: RiskReply): void;
};

importScripts('orbelan.js');
const core = Core.load();
let pieces: string[] = [];
scope.onmessage = async (event) => {
    const request = event.data;
    if (request.kind === 'piece') {
        pieces.push(request.text);
        return;
    }
    const plan = pieces.join('');
    pieces = [];
    const loaded = await core;
    loaded.usePlan(plan);
    const done = (count: number) => scope.postMessage({ done: count });
    const answer =
        request.kind === 'risk'
            ? loaded.risk(request.settings, pageNumbers, done)
            : loaded.compare(request.others, request.files, request.settings, done);
    scope.postMessage({ answer });
};
