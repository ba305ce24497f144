// New from questions: the desktop's few questions of a first plan, whose answers the core turns
// into an ordinary plan.
import type { Core, Plan, PlanAnswers } from './core';
import { byId, el, labelled } from './dom';
import { showMessage } from './messages';

type Kind = 'integer' | 'rate';

// The fields in the order they are read, and so which refusal comes first.
const kQuestions: [keyof PlanAnswers, string, Kind, string?][] = [
    ['birthYear', 'Birth Date:', 'integer'],
    ['retirementAge', 'Retirement Age:', 'integer'],
    ['savings', 'Savings Today:', 'integer'],
    ['savingsInterest', 'Interest Rate:', 'rate', '%'],
    ['salary', 'Yearly Salary:', 'integer'],
    ['salaryGrowth', 'Growth Rate:', 'rate', '%'],
    ['livingCosts', 'Yearly Living Costs:', 'integer'],
    ['pension', 'Yearly Pension:', 'integer'],
    ['pensionAge', 'From Age:', 'integer'],
];

// The dialog; open() resolves to the plan from the answers, or null when the user cancels.
export class Questions {
    private readonly dialog: HTMLDialogElement;
    private readonly inputs = new Map<keyof PlanAnswers, HTMLInputElement>();
    private resolve: ((plan: Plan | null) => void) | null = null;

    constructor(private readonly core: Core) {
        const fields = kQuestions.map(([key, label, , unit]) => {
            const input = el('input', { id: `questions-${key}`, type: 'text', size: 10, autocomplete: 'off' });
            this.inputs.set(key, input);
            return labelled(input, label, unit);
        });
        const ok = el('button', { type: 'button', id: 'questions-ok' }, 'OK');
        const cancel = el('button', { type: 'button', id: 'questions-cancel' }, 'Cancel');
        this.dialog = el(
            'dialog',
            { id: 'questions', 'aria-labelledby': 'questions-title' },
            el('h2', { id: 'questions-title' }, 'New Plan from Questions'),
            el('p', {}, `${core.texts.questionsIntro} Every item can be changed afterwards on the Plan tab.`),
            el('div', { class: 'grid questions' }, ...fields),
            el('div', { class: 'closing' }, ok, cancel),
        );
        document.body.append(this.dialog);
        ok.addEventListener('click', () => void this.accept());
        cancel.addEventListener('click', () => this.dialog.close());
        this.dialog.addEventListener('close', () => this.finish(null));
    }

    open(): Promise<Plan | null> {
        const answers = this.core.defaultAnswers(new Date().getFullYear());
        for (const [key, , kind] of kQuestions) {
            const value = answers[key];
            this.inputs.get(key)!.value = kind === 'rate' ? this.core.showRate(value) : String(value);
        }
        this.dialog.showModal();
        byId('questions-birthYear').focus();
        return new Promise((resolve) => (this.resolve = resolve));
    }

    private async accept(): Promise<void> {
        const answers: Partial<PlanAnswers> = {};
        for (const [key, , kind] of kQuestions) {
            const input = this.inputs.get(key)!;
            const parsed = kind === 'rate' ? this.core.parseRate(input.value) : this.core.parseInteger(input.value);
            if (parsed.error !== undefined) {
                await showMessage(parsed.error, input);
                return;
            }
            answers[key] = parsed.value;
        }
        const plan = this.core.planFromQuestions(answers as PlanAnswers, new Date().getFullYear());
        this.finish(plan);
        this.dialog.close();
    }

    private finish(plan: Plan | null): void {
        const resolve = this.resolve;
        this.resolve = null;
        resolve?.(plan);
    }
}
