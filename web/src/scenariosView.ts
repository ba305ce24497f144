// Scenarios: the plan last calculated beside up to three other plan files, every one run by the
// core in the risk worker on the same paths as the Risk view draws them: the figures and
// sentences of the desktop's Scenarios pane and of orbelan-cli compare, and each other plan's
// Total Assets on the chart.
import { type Plan, planText, type RiskSettings, type ScenarioAnswer, type Texts } from './core';
import type { CoreClient } from './coreClient';
import { el, labelled } from './dom';
import { kMaxFileBytes } from './files';
import { showMessage } from './messages';
import type { RiskRunner } from './riskRunner';
import { MissingFile } from './siteFiles';

const kMaxOthers = 3;
// The progress and Cancel show only once a run takes longer than a glance.
const kProgressAfterMs = 300;

// Another plan's Total Assets, drawn on the projection chart under its name.
export interface ScenarioLine {
    name: string;
    firstYear: number;
    totalAssets: number[];
}

interface Other {
    file: string;
    // The plan's JSON text, as the core takes it.
    plan: string;
}

export class ScenariosView {
    readonly element: HTMLElement;
    private readonly input = el('input', { type: 'file', id: 'scenario-files', accept: '.Orbe,.Orb,.orbe', multiple: true });
    private readonly list = el('ul', { id: 'scenario-list', class: 'scenario-list' });
    private readonly progress = el('progress', { id: 'scenario-progress', max: 1000 });
    private readonly cancel = el('button', { type: 'button', id: 'scenario-cancel' }, 'Cancel');
    private readonly running = el('span', { class: 'running', hidden: true }, this.progress, this.cancel);
    private readonly status = el('p', { id: 'scenario-status', 'aria-live': 'polite' });
    private readonly head = el('tr');
    private readonly body = el('tbody');
    private readonly table = el(
        'table',
        { id: 'scenario-figures', class: 'numbers', hidden: true },
        el('thead', {}, this.head),
        this.body,
    );
    private readonly pairs = el('div', { id: 'scenario-pairs' });
    // Replaced, never changed in place, so that what was shown can be told by identity.
    private others: readonly Other[] = [];
    private plan: Plan | null = null;
    private fileName = '';
    private active = false;
    // What the figures shown were worked out from; a change runs them again. The plans are
    // told apart by identity, as their texts are long.
    private shownFor: { plan: Plan; others: readonly Other[]; settings: string } | null = null;
    private appear = 0;

    constructor(
        private readonly texts: Texts,
        private readonly client: CoreClient,
        private readonly runner: RiskRunner,
        private readonly settings: () => RiskSettings | string,
        private readonly showLines: (lines: ScenarioLine[]) => void,
    ) {
        const { controls } = texts;
        this.progress.setAttribute('aria-label', controls.comparisonDone);
        this.cancel.title = controls.cancelRunTip;
        this.table.createCaption().textContent = controls.scenarioFigures;
        this.element = el(
            'div',
            { class: 'scenarios' },
            el(
                'p',
                {},
                'Compare the plan with up to three other plan files, every one run on the same paths as Risk draws ' +
                    'them, so that a difference between two plans comes from the plans, not from the draws.',
            ),
            labelled(this.input, 'Add plans to compare'),
            this.list,
            this.running,
            this.status,
            el('div', { class: 'table-box', tabindex: 0, role: 'region', 'aria-label': controls.scenarioFigures }, this.table),
            this.pairs,
        );
        this.input.addEventListener('change', () => {
            const files = [...(this.input.files ?? [])];
            this.input.value = '';
            void this.add(files);
        });
        this.cancel.addEventListener('click', () => {
            this.runner.cancel();
            this.shownFor = null;
            this.running.hidden = true;
            this.status.textContent = this.texts.scenarioCancelled;
        });
    }

    // The plan last calculated and the name of its file; null when nothing is calculated.
    show(plan: Plan | null, fileName: string): void {
        this.plan = plan;
        this.fileName = fileName;
        this.refresh();
    }

    // The view is on screen: the Risk inputs may have changed while it was not.
    setActive(active: boolean): void {
        this.active = active;
        this.refresh();
    }

    private async add(files: File[]): Promise<void> {
        for (const file of files) {
            if (this.others.length >= kMaxOthers) {
                await showMessage(this.texts.scenariosFull, this.input);
                break;
            }
            const bytes = file.size > kMaxFileBytes ? null : new Uint8Array(await file.arrayBuffer().catch(() => new ArrayBuffer(0)));
            const opened = bytes && bytes.length > 0 ? await this.client.open(bytes) : { error: undefined };
            if (opened === undefined) return;
            if (!opened.plan) {
                await showMessage(`${opened.error ?? this.texts.fileFormatError}\n${file.name}`, this.input);
                continue;
            }
            if (opened.warning) await showMessage(`${file.name}: ${opened.warning}`, this.input);
            this.others = [...this.others, { file: file.name, plan: planText(opened.plan) }];
        }
        this.showList();
        this.refresh();
    }

    private showList(): void {
        this.list.replaceChildren(
            ...this.others.map((other, i) => {
                const remove = el('button', { type: 'button', 'aria-label': `Remove ${other.file}` }, 'Remove');
                remove.addEventListener('click', () => {
                    this.others = this.others.filter((_, j) => j !== i);
                    this.showList();
                    this.refresh();
                });
                return el('li', {}, el('span', {}, other.file), ' ', remove);
            }),
        );
    }

    private refresh(): void {
        const settings = this.settings();
        if (this.others.length === 0 || !this.plan) {
            this.runner.cancel();
            this.shownFor = null;
            this.clear(this.plan || this.others.length === 0 ? '' : this.texts.scenarioNeedsCalculation);
            return;
        }
        const key = { plan: this.plan, others: this.others, settings: JSON.stringify(settings) };
        const shown = this.shownFor;
        if (!this.active || (shown?.plan === key.plan && shown.others === key.others && shown.settings === key.settings)) return;
        this.shownFor = key;
        if (typeof settings === 'string') {
            this.clear(settings);
            return;
        }
        void this.run(this.plan, settings);
    }

    private clear(status: string): void {
        clearTimeout(this.appear);
        this.running.hidden = true;
        this.status.textContent = status;
        this.table.hidden = true;
        this.pairs.replaceChildren();
        this.showLines([]);
    }

    private async run(plan: Plan, settings: RiskSettings): Promise<void> {
        this.clear(this.texts.working);
        this.progress.value = 0;
        this.appear = window.setTimeout(() => (this.running.hidden = false), kProgressAfterMs);
        const files = [this.fileName, ...this.others.map((other) => other.file)];
        const answer = await this.runner
            .compare(plan, this.others.map((other) => other.plan), files, settings, (done) => (this.progress.value = done))
            .catch((error) => ({ status: 'problem', sentence: error instanceof MissingFile ? error.message : this.texts.allocationError }) as ScenarioAnswer);
        // A cancelled run leaves the view to the run that replaced it.
        if (!answer) return;
        clearTimeout(this.appear);
        this.running.hidden = true;
        if (answer.status !== 'done') {
            this.status.textContent = answer.sentence ?? '';
            return;
        }
        this.status.textContent = answer.settings;
        this.head.replaceChildren(el('td'), ...answer.names.map((name) => el('th', { scope: 'col' }, name)));
        this.body.replaceChildren(
            ...answer.figures.map((figure) =>
                el('tr', {}, el('th', { scope: 'row' }, figure.label), ...figure.values.map((value) => el('td', {}, value))),
            ),
        );
        this.table.hidden = false;
        this.pairs.replaceChildren(...answer.pairs.map((pair) => el('p', {}, pair.sentence)));
        this.showLines(answer.tables.slice(1).map((table, i) => ({ name: answer.names[i + 1], ...table })));
    }
}
