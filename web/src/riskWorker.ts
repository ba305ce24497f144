// The risk run in a worker of its own, so that the page stays responsive through the many
// paths: the browser's module has no threads, and a run of 10,000 paths takes a while. A run
// that is no longer wanted is ended with the worker.
import { Core, type RiskSettings } from './core';
import { pageNumbers } from './numberWords';

export interface RiskRequest {
    // The plan's JSON text (planText).
    plan: string;
    settings: RiskSettings;
}

export type RiskReply = { done: number } | { summary: ReturnType<Core['risk']> };

declare function importScripts(...urls: string[]): void;
const scope = self as unknown as {
    onmessage: ((event: MessageEvent<RiskRequest>) => void) | null;
    postMessage(reply: RiskReply): void;
};

importScripts('orbelan.js');
const core = Core.load();
scope.onmessage = async (event) => {
    const loaded = await core;
    loaded.usePlan(event.data.plan);
    const summary = loaded.risk(event.data.settings, pageNumbers, (done) => scope.postMessage({ done }));
    scope.postMessage({ summary });
};
