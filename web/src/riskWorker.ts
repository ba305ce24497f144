// The risk run, and the comparison of scenarios over the same paths, in a worker of their own,
// so that the page stays responsive through the many paths: the browser's module has no
// threads, and a run of 10,000 paths takes a while. A run that is no longer wanted is ended
// with the worker.
import { Core, type GoalSummary, type RiskSettings, type RiskSummary, type ScenarioAnswer } from './core';
import { pageNumbers } from './numberWords';

export type RiskRequest =
    // A piece of the plan's JSON text (planText): a plan of many items comes in pieces, the
    // request after its last.
    | { kind: 'piece'; text: string }
    // With a confidence, the goal over the same paths follows the run's answer.
    | { kind: 'risk'; settings: RiskSettings; confidence?: number }
    // The plan beside the others, named by their files, the plan's first.
    | { kind: 'compare'; others: string[]; files: string[]; settings: RiskSettings };

export type RiskReply = { done: number } | { answer: RiskSummary | ScenarioAnswer } | { goal: GoalSummary | null };

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
    if (request.kind === 'compare') {
        scope.postMessage({ answer: loaded.compare(request.others, request.files, request.settings, done) });
        return;
    }
    const answer = loaded.risk(request.settings, pageNumbers, done);
    scope.postMessage({ answer });
    // None for a run without an answer, whose sentence already says why.
    if (request.confidence === undefined) return;
    const answered = answer.status === 'done';
    scope.postMessage({ goal: answered ? loaded.goal(request.settings, request.confidence, pageNumbers) : null });
};
