// The bar that says what makes the plan's projection meaningless or surprising, one problem at
// a time with its fix, as the desktop's bar above the list does; the sentences are the core's.
import type { PlanProblem, Texts } from './core';
import type { CoreClient } from './coreClient';
import { el } from './dom';
import type { PlanState } from './state';

export class PlanCheckBar {
    readonly element: HTMLElement;
    private readonly text = el('span', { id: 'plan-check-text' });
    private readonly position = el('span', { id: 'plan-check-position' });
    private readonly next = el('button', { type: 'button', id: 'plan-check-next' }, 'Next');
    private readonly fix = el('button', { type: 'button', id: 'plan-check-fix' }, 'Change...');
    private problems: PlanProblem[] = [];
    private shown = 0;
    // Counts the checks asked for, so that only the latest shows.
    private asked = 0;

    // fix(problem) takes the user to the field that fixes the problem.
    constructor(
        private readonly client: CoreClient,
        state: PlanState,
        fix: (problem: PlanProblem) => void,
        { controls }: Texts,
    ) {
        this.next.title = controls.nextProblemTip;
        this.fix.title = controls.fixProblemTip;
        this.element = el(
            'div',
            { id: 'plan-check', class: 'plan-check', role: 'status', 'aria-label': controls.planCheck },
            el('span', { class: 'plan-check-sign', 'aria-hidden': 'true' }, '\u26a0'),
            this.text,
            this.position,
            this.next,
            this.fix,
        );
        this.next.addEventListener('click', () => {
            this.shown = (this.shown + 1) % this.problems.length;
            this.showProblem();
        });
        this.fix.addEventListener('click', () => fix(this.problems[this.shown]));
        state.listen(() => void this.check(state));
        this.element.hidden = true;
        void this.check(state);
    }

    // Worked out in a worker, as a large plan takes a while; an answer overtaken by a newer
    // plan is not shown. The bar is marked busy until the latest answer comes, so that a bar
    // still hidden then is known to have found nothing.
    private async check(state: PlanState): Promise<void> {
        const mine = ++this.asked;
        this.element.setAttribute('aria-busy', 'true');
        const problems = await this.client.planChecks(state.plan);
        if (mine !== this.asked) return;
        this.element.removeAttribute('aria-busy');
        if (problems === undefined) return;
        this.problems = problems;
        this.shown = 0;
        this.showProblem();
    }

    private showProblem(): void {
        this.element.hidden = this.problems.length === 0;
        if (this.element.hidden) return;
        this.text.textContent = this.problems[this.shown].sentence;
        const several = this.problems.length > 1;
        this.position.hidden = this.next.hidden = !several;
        this.position.textContent = `${this.shown + 1} of ${this.problems.length}`;
    }
}
