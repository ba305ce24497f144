// Opening and saving plan files, and keeping unsaved changes in the browser's storage.
// Nothing leaves the computer: files are read and written by the browser alone.
import type { Core } from './core';
import type { CoreClient } from './coreClient';
import type { KeptCopies } from './keptCopy';
import { ask, showMessage } from './messages';
import { askPlanName, kUntitled } from './planName';
import type { Plan } from './plan';
import { planText } from './planText';
import type { PlanState } from './state';

const kStorageFull =
    "This browser's storage is full, so it cannot keep these changes until they are saved. " +
    'Save the plan to keep them.';
// Bigger files are not plans; the desktop reads them whole, the page refuses to.
export const kMaxFileBytes = 64 << 20;

interface WritableHandle {
    name: string;
    createWritable(): Promise<{ write(data: Uint8Array): Promise<void>; close(): Promise<void> }>;
}
type SavePicker = (options: object) => Promise<WritableHandle>;

export class PlanFiles {
    // Where the last save went, where the browser lets a page write a file again.
    private handle: WritableHandle | null = null;
    // A save was a download, which the page cannot see arrive: the copy of the plan stays
    // until the plan is saved where the page can see it, its file is opened again, or the
    // user discards the copy; another plan opened sets it aside.
    private downloaded = false;
    // The plan last handed to the copies, which need not be written again.
    private lastKept: Plan | null = null;
    private downloadedName = '';
    // Whether the last copy written was kept, so that the storage's being full stays said.
    private copyKept = true;

    // notice shows a sentence about the plan's file and copy, or takes it away (null); with
    // discard, it offers to give up the copy kept after a download.
    constructor(
        private readonly core: Core,
        private readonly client: CoreClient,
        private readonly state: PlanState,
        private readonly copies: KeptCopies,
        private readonly notice: (text: string | null, discard?: boolean) => void,
    ) {
        state.listen((replaced) => this.keepUnsaved(replaced));
        // The copy is written once the edits pause; a full storage is said until a copy is kept again.
        copies.onKept = (kept) => {
            if (!kept || !this.copyKept) this.notice(kept ? null : kStorageFull);
            this.copyKept = kept;
        };
    }

    async open(file: File): Promise<void> {
        if (!(await this.saveModified())) return;
        if (file.size > kMaxFileBytes) {
            await showMessage(this.core.texts.fileFormatError);
            return;
        }
        let bytes: Uint8Array;
        try {
            bytes = new Uint8Array(await file.arrayBuffer());
        } catch (error) {
            await showMessage(`${this.core.texts.errorOpeningFile}\n${file.name}: ${String(error)}`);
            return;
        }
        const opened = await this.client.open(bytes);
        if (!opened) return;
        if (!opened.plan) {
            await showMessage(opened.error ?? this.core.texts.fileFormatError);
            return;
        }
        this.handle = null;
        this.state.replace(opened.plan, file.name, false);
        // A copy kept after a download of this file is no longer needed.
        if ((await this.copies.list()).some((copy) => copy.downloaded)) void this.copies.dropDownloaded(planText(opened.plan));
        if (opened.warning) await showMessage(opened.warning);
    }

    // Downloads the plan under its repaired name; where the browser can write files, the
    // first save asks where, and later saves write that file in place. The bytes are made in
    // the worker; a plan changed meanwhile is written as it was, and stays marked changed.
    async save(): Promise<void> {
        const picker = (window as unknown as { showSaveFilePicker?: SavePicker }).showSaveFilePicker;
        // A download is named here, as the picker names a file.
        if (!this.handle && !picker && this.state.fileName === kUntitled) {
            const named = await askPlanName(kUntitled);
            if (named === null) return;
            this.state.rename(this.core.saveName(named));
        }
        const name = this.core.saveName(this.state.fileName);
        const plan = this.state.plan;
        try {
            // Asked first, while the click still lets the page open the picker.
            if (!this.handle && picker)
                this.handle = await picker({
                    suggestedName: name,
                    types: [{ description: 'Orbelan plan', accept: { 'application/x-orbelan-plan': ['.Orbe'] } }],
                });
            const bytes = await this.client.bytes(plan);
            if (!bytes) return;
            if (this.handle) {
                const writable = await this.handle.createWritable();
                await writable.write(bytes);
                await writable.close();
                if (plan !== this.state.plan) return;
                this.downloaded = false;
                this.state.saved(this.handle.name);
                return;
            }
            this.download(bytes, name, plan);
        } catch (error) {
            if ((error as Error).name === 'AbortError') return;
            await showMessage(`${this.core.texts.errorSavingFile}\n${name}: ${String(error)}`);
        }
    }

    // The page cannot see a download arrive, nor fail: the copy of the changes stays.
    private download(bytes: Uint8Array<ArrayBuffer>, name: string, plan: object): void {
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
        link.download = name;
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
        if (plan !== this.state.plan) return;
        const kept = this.state.modified || this.downloaded;
        this.downloaded = kept;
        this.downloadedName = name;
        this.state.saved(name);
        this.notice(
            `Downloaded ${name}. If it is not in the browser's downloads, press Save plan again` +
                (kept ? ': a copy stays in this browser until you open the file again or discard the copy.' : '.'),
            kept,
        );
    }

    forgetHandle(): void {
        this.handle = null;
    }

    // Before the plan is replaced: the desktop's question when it has unsaved changes, or,
    // after a download, whether its copy is kept, as the page did not see that save happen.
    // False when the user cancels, or the save does not happen.
    async saveModified(): Promise<boolean> {
        if (!this.state.modified && this.downloaded) {
            const answer = await ask(
                `${this.state.fileName} was downloaded, but the page cannot see whether the browser saved it. ` +
                    'Keep a copy of the plan in this browser, where Recover... brings it back?',
                'Keep a Copy',
                'Discard the Copy',
                'Cancel',
            );
            if (answer === 'no') this.discardDownloaded();
            return answer !== 'cancel';
        }
        if (!this.state.modified) return true;
        const answer = await ask(this.core.saveChangesQuestion(this.state.fileName), 'Yes', 'No', 'Cancel');
        if (answer === 'cancel') return false;
        if (answer === 'yes') {
            await this.save();
            return !this.state.modified;
        }
        return true;
    }

    // The kept copy follows the plan: written with each change, gone once the plan is saved
    // or replaced, except after a download, when it is set aside for Recover.
    private keepUnsaved(replaced: boolean): void {
        const setAside = replaced && this.setAsideDownloaded();
        if (replaced) this.lastKept = null;
        if (this.state.modified || this.downloaded) {
            if (this.state.plan !== this.lastKept) this.copies.keep({ plan: this.state.plan, fileName: this.state.fileName });
            this.lastKept = this.state.plan;
        } else {
            if (!setAside) void this.copies.discard();
            this.lastKept = null;
            this.copyKept = true;
        }
        if (!setAside && this.copyKept && (this.state.modified || !this.downloaded)) this.notice(null);
    }

    // The copy of a plan downloaded, before another takes its place; false when there was none.
    private setAsideDownloaded(): boolean {
        if (!this.downloaded) return false;
        void this.copies.setAside(true);
        this.downloaded = false;
        this.notice(`A copy of ${this.downloadedName} is kept in this browser, as the page cannot see whether its download arrived: Recover... brings it back.`);
        return true;
    }

    // The copy kept after a download is given up.
    discardDownloaded(): void {
        this.downloaded = false;
        this.lastKept = null;
        void this.copies.discard();
        this.copyKept = true;
        this.notice(null);
    }

    // Offers the changes left unsaved by the last visit of this tab, or of a tab now closed.
    // Esc leaves them for later, and says where; the page says how many more copies Recover lists.
    async offerUnsaved(): Promise<void> {
        // The copy's plan is read and checked in the worker, as a large one takes a while.
        const offer = await this.copies.offer((text) => this.client.restore(text));
        performance.mark('orbelan-offer-checked');
        if (!offer) return;
        const answer = await ask(`Restore the unsaved changes to ${offer.kept.fileName}?`, 'Restore', 'Discard');
        let kept = '';
        if (answer === 'yes') {
            await offer.take();
            this.state.replace(offer.kept.plan, offer.kept.fileName, true);
        } else if (answer === 'no') {
            await offer.drop();
        } else {
            await offer.later();
            kept = `The unsaved changes to ${offer.kept.fileName} are kept in this browser: Recover... brings them back. `;
        }
        const more = (await this.copies.list()).length - (kept ? 1 : 0);
        if (more > 0) kept += `${more === 1 ? 'One more copy' : `${more.toLocaleString()} more copies`} of unsaved changes ${more === 1 ? 'is' : 'are'} kept: Recover... lists them.`;
        if (kept) this.notice(kept.trim());
        performance.mark('orbelan-offer-answered');
    }

    // A copy that Recover lists, in place of the plan open, once its changes are asked about;
    // false when it is no longer whole or the user cancels.
    async recover(slot: string): Promise<boolean> {
        const kept = await this.copies.read(slot, (text) => this.client.restore(text));
        if (!kept) {
            await showMessage('This copy can no longer be read.');
            return false;
        }
        if (!(await this.saveModified())) return false;
        this.setAsideDownloaded();
        await this.copies.take(slot);
        this.handle = null;
        this.state.replace(kept.plan, kept.fileName, true);
        return true;
    }
}
