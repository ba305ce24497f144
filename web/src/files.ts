// Opening and saving plan files, and keeping unsaved changes in the browser's storage.
// Nothing leaves the computer: files are read and written by the browser alone.
import { type Core, isPlan, type Plan } from './core';
import { ask, showMessage } from './messages';
import type { PlanState } from './state';

const kUnsavedKey = 'orbelan.unsaved';
// Bigger files are not plans; the desktop reads them whole, the page refuses to.
const kMaxFileBytes = 64 << 20;

interface WritableHandle {
    name: string;
    createWritable(): Promise<{ write(data: Uint8Array): Promise<void>; close(): Promise<void> }>;
}
type SavePicker = (options: object) => Promise<WritableHandle>;

export class PlanFiles {
    // Where the last save went, where the browser lets a page write a file again.
    private handle: WritableHandle | null = null;

    constructor(
        private readonly core: Core,
        private readonly state: PlanState,
    ) {
        state.listen(() => this.keepUnsaved());
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
        const opened = this.core.open(bytes);
        if (!opened.plan) {
            await showMessage(opened.error ?? this.core.texts.fileFormatError);
            return;
        }
        this.handle = null;
        this.state.replace(opened.plan, file.name, false);
        if (opened.warning) await showMessage(opened.warning);
    }

    // Downloads the plan under its repaired name; where the browser can write files, the
    // first save asks where, and later saves write that file in place.
    async save(): Promise<void> {
        const name = this.core.saveName(this.state.fileName);
        const bytes = this.core.bytes(this.state.plan);
        const picker = (window as unknown as { showSaveFilePicker?: SavePicker }).showSaveFilePicker;
        try {
            if (!this.handle && picker)
                this.handle = await picker({
                    suggestedName: name,
                    types: [{ description: 'Orbelan plan', accept: { 'application/x-orbelan-plan': ['.Orbe'] } }],
                });
            if (this.handle) {
                const writable = await this.handle.createWritable();
                await writable.write(bytes);
                await writable.close();
                this.state.saved(this.handle.name);
                return;
            }
        } catch (error) {
            if ((error as Error).name === 'AbortError') return;
            await showMessage(`${this.core.texts.errorSavingFile}\n${name}: ${String(error)}`);
            return;
        }
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
        link.download = name;
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
        this.state.saved(name);
    }

    forgetHandle(): void {
        this.handle = null;
    }

    // Before the plan is replaced: the desktop's question when it has unsaved changes. False
    // when the user cancels, or the save does not happen.
    async saveModified(): Promise<boolean> {
        if (!this.state.modified) return true;
        const answer = await ask(`Save changes to ${this.state.fileName}?`, 'Yes', 'No', 'Cancel');
        if (answer === 'cancel') return false;
        if (answer === 'yes') {
            await this.save();
            return !this.state.modified;
        }
        return true;
    }

    private keepUnsaved(): void {
        try {
            if (this.state.modified)
                localStorage.setItem(
                    kUnsavedKey,
                    JSON.stringify({ plan: this.state.plan, fileName: this.state.fileName }),
                );
            else localStorage.removeItem(kUnsavedKey);
        } catch {
            // Storage may be full or turned off; the plan in the page is unaffected.
        }
    }

    // Offers the changes left unsaved by the last visit.
    async offerUnsaved(): Promise<void> {
        let kept: { plan: Plan; fileName: string } | null = null;
        try {
            kept = JSON.parse(localStorage.getItem(kUnsavedKey) ?? 'null');
            if (kept && !isPlan(kept.plan)) kept = null;
        } catch {
            kept = null;
        }
        if (!kept) return;
        const restore = await ask(`Restore the unsaved changes to ${kept.fileName}?`, 'Restore', 'Discard');
        if (restore === 'yes') this.state.replace(kept.plan, kept.fileName, true);
        else localStorage.removeItem(kUnsavedKey);
    }
}
