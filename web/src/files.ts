// Opening and saving plan files, and keeping unsaved changes in the browser's storage.
// Nothing leaves the computer: files are read and written by the browser alone.
import type { Core } from './core';
import type { CoreClient } from './coreClient';
import type { KeptCopies } from './keptCopy';
import { ask, showMessage } from './messages';
import { askPlanName, kUntitled } from './planName';
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
    // The last save was a download of changes, whose copy stays until it is not needed.
    private downloaded = false;
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
                if (plan === this.state.plan) this.state.saved(this.handle.name);
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
        const kept = this.state.modified;
        this.downloaded = kept;
        this.state.saved(name);
        this.notice(
            `Downloaded ${name}. If it is not in the browser's downloads, press Save plan again` +
                (kept ? ': a copy stays in this browser until the plan changes, another plan is opened or you discard it.' : '.'),
            kept,
        );
    }

    forgetHandle(): void {
        this.handle = null;
    }

    // Before the plan is replaced: the desktop's question when it has unsaved changes. False
    // when the user cancels, or the save does not happen.
    async saveModified(): Promise<boolean> {
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
    // or replaced, except after a download, which the page cannot see arrive.
    private keepUnsaved(replaced: boolean): void {
        if (replaced || this.state.modified) this.downloaded = false;
        if (this.state.modified) {
            this.copies.keep({ plan: this.state.plan, fileName: this.state.fileName });
            if (this.copyKept) this.notice(null);
        } else if (!this.downloaded) {
            this.copies.discard();
            this.copyKept = true;
            this.notice(null);
        }
    }

    // The copy kept after a download is given up.
    discardDownloaded(): void {
        this.downloaded = false;
        this.copies.discard();
        this.copyKept = true;
        this.notice(null);
    }

    // Offers the changes left unsaved by the last visit of this tab, or of a tab now closed.
    // Esc leaves them for later.
    async offerUnsaved(): Promise<void> {
        // The copy's plan is read and checked in the worker, as a large one takes a while.
        const offer = await this.copies.offer((text) => this.client.restore(text));
        performance.mark('orbelan-offer-checked');
        if (!offer) return;
        const answer = await ask(`Restore the unsaved changes to ${offer.kept.fileName}?`, 'Restore', 'Discard');
        if (answer === 'yes') {
            offer.take();
            this.state.replace(offer.kept.plan, offer.kept.fileName, true);
        } else if (answer === 'no') {
            offer.drop();
        } else {
            offer.later();
        }
        performance.mark('orbelan-offer-answered');
    }
}
