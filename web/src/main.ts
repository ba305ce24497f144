// The page: the toolbar, the views as tabs, and the wiring between them.
import { Core, type Plan, type PlanProblem, type Projection } from './core';
import { CoreClient } from './coreClient';
import { byId, el } from './dom';
import { setUpExports } from './exports';
import { FieldChecks } from './fieldChecks';
import { PlanFiles } from './files';
import { Help, helpPageOf } from './help';
import { bindKeys } from './keys';
import { KeptCopies } from './keptCopy';
import { showMessage } from './messages';
import { MoneyDisplay } from './moneyDisplay';
import { expenseKind, generalDataForm, incomeKind, itemBrowser } from './planForms';
import { ProjectionView } from './projectionView';
import { RiskRunner } from './riskRunner';
import { RiskView } from './riskView';
import { ScenariosView } from './scenariosView';
import { PlanCheckBar } from './planCheckBar';
import { Questions } from './questions';
import { RecoverDialog } from './recoverDialog';
import { kCoreFiles, keepSiteOffline, missingFile } from './siteFiles';
import { PlanState } from './state';
import { WhatIf } from './whatIf';
import { YearDetails } from './yearDetails';

// The tabs; shown(name) is told of the view that comes on screen.
function setUpTabs(shown: (name: string) => void): (name: string) => void {
    const tabs = [...document.querySelectorAll<HTMLButtonElement>('[role="tab"]')];
    const select = (tab: HTMLButtonElement, focus = false) => {
        for (const other of tabs) {
            const selected = other === tab;
            other.setAttribute('aria-selected', String(selected));
            other.tabIndex = selected ? 0 : -1;
            byId(other.getAttribute('aria-controls')!).hidden = !selected;
        }
        shown(tab.id.replace(/^tab-/, ''));
        if (focus) tab.focus();
    };
    tabs.forEach((tab, i) => {
        tab.addEventListener('click', () => select(tab));
        tab.addEventListener('keydown', (event) => {
            const step = event.key === 'ArrowRight' ? 1 : event.key === 'ArrowLeft' ? -1 : 0;
            if (event.key === 'Home') select(tabs[0], true);
            else if (event.key === 'End') select(tabs[tabs.length - 1], true);
            else if (step) select(tabs[(i + step + tabs.length) % tabs.length], true);
        });
    });
    select(tabs[0]);
    return (name) => select(byId<HTMLButtonElement>(`tab-${name}`));
}

// The progress and Cancel of the worker's work, shown once it takes longer than a glance so
// that quick answers do not flicker.
const kWorkingAfterMs = 300;

function showWorking(cancel: () => void): (working: boolean) => void {
    const working = byId('working');
    byId('cancel-work').addEventListener('click', cancel);
    let timer = 0;
    return (busy) => {
        clearTimeout(timer);
        if (!busy) {
            working.hidden = true;
            return;
        }
        if (working.hidden) timer = window.setTimeout(() => (working.hidden = false), kWorkingAfterMs);
    };
}

async function start(): Promise<void> {
    const [core, copies] = await Promise.all([Core.load(), KeptCopies.open()]);
    const state = new PlanState(core.newPlan());
    // Cancel ends the work; the focus goes to Calculate, which starts it again.
    const client = new CoreClient(
        showWorking(() => {
            client.cancel();
            byId('calculate').focus();
        }),
    );
    const noticeText = byId('notice-text');
    const discardCopy = byId<HTMLButtonElement>('discard-copy');
    const notice = (text: string | null, discard = false) => {
        noticeText.textContent = text ?? '';
        discardCopy.hidden = !discard;
    };
    const files = new PlanFiles(core, client, state, copies, notice);
    discardCopy.addEventListener('click', () => files.discardDownloaded());
    const recover = new RecoverDialog(copies, (slot) => files.recover(slot));
    byId('recover').addEventListener('click', () => void recover.open());
    keepSiteOffline(() => notice('A new version of Orbelan is stored in this browser: reload the page to use it.'));
    const checks = new FieldChecks();
    byId('view-plan').append(
        generalDataForm(core, state, checks),
        itemBrowser(core, state, incomeKind, checks),
        itemBrowser(core, state, expenseKind, checks),
    );
    // A field refused is corrected before the plan is calculated or saved, so that neither
    // uses the value stored before it.
    const corrected = (action: string): boolean => {
        const refused = checks.first(action);
        if (!refused) return true;
        showTab('plan');
        void showMessage(refused.text, refused.control);
        return false;
    };
    const display = new MoneyDisplay(core);
    const details = new YearDetails(client, display, core.texts);
    const projection = new ProjectionView(
        display,
        (year) => {
            details.choose(year);
            showTab('details');
            // The row chosen is hidden with its view: the focus goes on with the year.
            byId('detail-year').focus();
        },
        core,
    );
    const whatIf = new WhatIf(client, core, display, (variant) => projection.showVariant(variant));
    // Counts the edits, and which one the projection on show was calculated after.
    let editsSeen = 0;
    let editsShown = 0;
    const risk = new RiskView(
        client,
        new RiskRunner(),
        (band) => projection.showBand(band),
        (path) => {
            projection.showPath(path);
            details.showPath(path);
        },
        core.texts,
        (plan) => {
            // The answer scales the plan as it was calculated: after later edits, calculate
            // again so that the answer, and then Apply, take them in rather than undo them.
            if (editsSeen !== editsShown) {
                byId('calculate').click();
                return;
            }
            state.change(plan);
            byId('calculate').click();
        },
    );
    const scenarios = new ScenariosView(core.texts, client, new RiskRunner(), () => risk.readSettings(), (lines) =>
        projection.showScenarios(lines),
    );
    byId('view-projection').append(projection.element);
    byId('view-details').append(details.element);
    byId('view-whatif').append(whatIf.element);
    byId('view-risk').append(risk.element);
    byId('view-scenarios').append(scenarios.element);
    // The views that draw on the chart show it under their own controls.
    const charted: Record<string, HTMLElement> = {
        projection: projection.element,
        whatif: whatIf.element,
        risk: risk.element,
        scenarios: scenarios.element,
    };
    let shownView = 'plan';
    const showTab = setUpTabs((name) => {
        shownView = name;
        if (charted[name]) charted[name].append(projection.chartBox);
        details.setActive(name === 'details');
        whatIf.setActive(name === 'whatif');
        risk.setActive(name === 'risk');
        scenarios.setActive(name === 'scenarios');
    });

    // The plan's checks above the views; the fix goes to the field on the Plan tab.
    const goToField = (problem: PlanProblem) => {
        showTab('plan');
        let field: HTMLElement;
        if (problem.part === 'general') {
            field = byId(problem.field);
        } else {
            const prefix = problem.part === 'income' ? 'income' : 'expense';
            byId(prefix).dispatchEvent(new CustomEvent('show-item', { detail: problem.item }));
            field = byId(`${prefix}-${problem.field}`);
        }
        field.focus();
        if (field instanceof HTMLInputElement && field.type === 'text') field.select();
    };
    document.querySelector('main')!.prepend(new PlanCheckBar(client, state, goToField, core.texts).element);

    // Counts the plans replaced and the calculations asked for, so that a projection of a
    // plan no longer open, or overtaken, is not shown.
    let asked = 0;
    const exportable = setUpExports(client, () => state.fileName, () => showTab('projection'));
    const showProjection = (result: Projection | null, plan: Plan | null) => {
        editsShown = editsSeen;
        exportable(result !== null);
        projection.show(result);
        details.show(result);
        whatIf.show(result ? plan : null);
        risk.show(result ? plan : null);
        scenarios.show(result ? plan : null, state.fileName);
        // A plan with no first year gets no answers, only what its check says.
        if (!result || !plan) return;
        const mine = asked;
        void client.noFirstYear(plan).then((unanswered) => {
            if (!unanswered || mine !== asked) return;
            whatIf.show(null, unanswered);
            risk.show(null, unanswered);
        });
    };
    const title = byId('file-name');
    const undo = byId<HTMLButtonElement>('undo');
    const redo = byId<HTMLButtonElement>('redo');
    const showTitle = () => {
        const name = `${state.fileName}${state.modified ? ' *' : ''}`;
        title.textContent = name;
        document.title = `${name} - Orbelan`;
        undo.disabled = !state.canUndo;
        redo.disabled = !state.canRedo;
    };
    state.listen((replaced) => {
        ++editsSeen;
        showTitle();
        // Like the desktop, a changed plan keeps its last projection until Calculate.
        if (!replaced) return;
        ++asked;
        showProjection(null, null);
    });
    showTitle();

    byId('new').addEventListener('click', async () => {
        if (!(await files.saveModified())) return;
        files.forgetHandle();
        state.replace(core.newPlan(), 'Untitled.Orbe', false);
    });
    const questions = new Questions(core);
    byId('questions-open').addEventListener('click', async () => {
        const plan = await questions.open();
        if (!plan || !(await files.saveModified())) return;
        files.forgetHandle();
        state.replace(plan, 'Untitled.Orbe', true);
        byId('calculate').click();
    });
    byId('example').addEventListener('click', async () => {
        // The site serves the household example beside the page.
        let bytes: Blob;
        try {
            const response = await fetch('household.Orbe');
            if (!response.ok) throw new Error(response.statusText);
            bytes = await response.blob();
        } catch (error) {
            await showMessage((await missingFile(['household.Orbe'])) ?? `${core.texts.errorOpeningFile}\nhousehold.Orbe: ${String(error)}`);
            return;
        }
        await files.open(new File([bytes], 'household.Orbe'));
    });
    const input = byId<HTMLInputElement>('open');
    input.addEventListener('change', async () => {
        const file = input.files?.[0];
        input.value = '';
        if (file) await files.open(file);
    });
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', async (event) => {
        event.preventDefault();
        const file = event.dataTransfer?.files[0];
        // What is typed in the field with the focus goes into the plan first, as a click elsewhere does.
        (document.activeElement as HTMLElement | null)?.blur();
        if (file) await files.open(file);
    });
    byId('save').addEventListener('click', () => {
        if (corrected('save the plan')) void files.save();
    });
    undo.addEventListener('click', () => state.undo());
    redo.addEventListener('click', () => state.redo());
    const help = new Help();
    byId('help-open').addEventListener('click', () => void help.open(helpPageOf(shownView)));
    bindKeys({
        save: () => byId('save').click(),
        undo: () => state.undo(),
        redo: () => state.redo(),
        help: () => void help.open(helpPageOf(shownView)),
    });
    window.addEventListener('beforeunload', (event) => {
        // What is typed in the field with the focus goes into the plan, and its kept copy, first.
        (document.activeElement as HTMLElement | null)?.blur();
        if (!state.modified) return;
        event.preventDefault();
        event.returnValue = '';
    });
    byId('calculate').addEventListener('click', async () => {
        if (!corrected('calculate the plan')) return;
        performance.mark('orbelan-calculate');
        const plan = state.plan;
        const mine = ++asked;
        const result = await client.calculate(plan);
        if (!result || mine !== asked) return;
        if (result.message) await showMessage(result.message);
        // A calculation that could not run leaves the last projection in place.
        if (result.message !== core.texts.allocationError) showProjection(result, plan);
        showTab('projection');
        performance.measure('orbelan-projection-shown', 'orbelan-calculate');
    });
    byId('app').removeAttribute('aria-busy');
    performance.mark('orbelan-ready');
    await files.offerUnsaved();
}

start().catch(async (error) => {
    const missing = await missingFile(kCoreFiles);
    document.body.append(el('p', { role: 'alert' }, `Orbelan could not start: ${missing ?? String(error)}`));
});
