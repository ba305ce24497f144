// Runs the risk of a plan, or its comparison with others, in a worker (riskWorker.ts), one run
// at a time: a new run ends the one before it, whose answer would come too late to be wanted.
import { type GoalSummary, type Plan, planText, type RiskSettings, type RiskSummary, type ScenarioAnswer } from './core';
import type { RiskReply, RiskRequest } from './riskWorker';
import { kCoreFiles, loadFailure } from './siteFiles';

// A quarter of a million characters: about a millisecond to copy.
const kPieceChars = 1 << 18;

export class RiskRunner {
    private worker: Worker | null = null;
    private ending: (() => void) | null = null;

    // The summary, or null when the run was cancelled. Each run is measured as
    // "orbelan-risk" in the page's performance timeline.
    // With a confidence, the goal over the same paths goes to onGoal after the summary: it is
    // part of the run, which Cancel or the next run ends.
    run(
        plan: Plan, settings: RiskSettings, progress: (done: number) => void,
        goal?: { confidence: number; onGoal: (goal: GoalSummary) => void },
    ): Promise<RiskSummary | null> {
        return this.post(plan, { kind: 'risk', settings, confidence: goal?.confidence }, progress, 'orbelan-risk', goal?.onGoal);
    }

    // The plan beside the others (their JSON texts), named by the files, the plan's first;
    // progress in thousandths. Null when cancelled; measured as "orbelan-compare".
    compare(
        plan: Plan, others: string[], files: string[], settings: RiskSettings, progress: (thousandths: number) => void,
    ): Promise<ScenarioAnswer | null> {
        return this.post(plan, { kind: 'compare', others, files, settings }, progress, 'orbelan-compare');
    }

    // Ends the run under way, if any; the next run starts a fresh worker.
    cancel(): void {
        if (!this.ending) return;
        this.worker?.terminate();
        this.worker = null;
        const ending = this.ending;
        this.ending = null;
        ending();
    }

    // The plan's text a piece a task, so that copying a plan of many items into the worker
    // never holds the page long; false when the worker was ended meanwhile.
    private async sendPlan(worker: Worker, text: string): Promise<boolean> {
        for (let at = 0; at < text.length; at += kPieceChars) {
            if (at > 0) await new Promise((resolve) => setTimeout(resolve, 0));
            if (this.worker !== worker) return false;
            worker.postMessage({ kind: 'piece', text: text.slice(at, at + kPieceChars) } satisfies RiskRequest);
        }
        return true;
    }

    private post<Answer>(
        plan: Plan, request: RiskRequest & { settings: RiskSettings }, progress: (done: number) => void, measure: string,
        onGoal?: (goal: GoalSummary) => void,
    ): Promise<Answer | null> {
        this.cancel();
        const worker = (this.worker ??= new Worker('riskWorker.js'));
        const started = performance.now();
        return new Promise((resolve, reject) => {
            this.ending = () => resolve(null);
            worker.onmessage = (event: MessageEvent<RiskReply>) => {
                if ('done' in event.data) {
                    progress(event.data.done);
                    return;
                }
                if ('goal' in event.data) {
                    this.ending = null;
                    if (event.data.goal) onGoal?.(event.data.goal);
                    return;
                }
                // The worker stays the run's until its goal comes, so that Cancel ends that too.
                this.ending = onGoal ? () => {} : null;
                performance.measure(measure, { start: started, detail: request.settings.paths });
                resolve(event.data.answer as Answer);
            };
            worker.onerror = (event) => {
                this.ending = null;
                worker.terminate();
                this.worker = null;
                void loadFailure(['riskWorker.js', ...kCoreFiles], new Error(event.message)).then(reject);
            };
            void this.sendPlan(worker, planText(plan)).then((sent) => sent && worker.postMessage(request));
        });
    }
}
