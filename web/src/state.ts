// The open plan: its contents, its file name, whether it changed since it was opened or
// saved, and the edits that Undo takes back and Redo makes again. Views listen for changes.
import type { Plan } from './core';
import { madeTextLength } from './planText';

// Each edit keeps the plan before it. Plans share their unchanged items, but a plan whose text
// was made (to send it whole to a worker, as after an item is added or removed) holds that
// text, the size of its file: the plans kept are bounded by the characters of their texts too.
const kUndoDepth = 100;
const kUndoCharacters = 64 * 1024 * 1024;

export class PlanState {
    plan: Plan;
    fileName = 'Untitled.Orbe';
    // Every state of the plan has its own number, so that undoing back to the saved state
    // makes the plan unchanged again.
    private revision = 0;
    private savedRevision = 0;
    private nextRevision = 1;
    private undoable: { plan: Plan; revision: number }[] = [];
    // The edits undone, the last undone last; a new edit forgets them.
    private redoable: { plan: Plan; revision: number }[] = [];
    private readonly listeners: ((replaced: boolean) => void)[] = [];

    constructor(plan: Plan) {
        this.plan = plan;
    }

    get modified(): boolean {
        return this.revision !== this.savedRevision;
    }

    get canUndo(): boolean {
        return this.undoable.length > 0;
    }

    get canRedo(): boolean {
        return this.redoable.length > 0;
    }

    listen(listener: (replaced: boolean) => void): void {
        this.listeners.push(listener);
    }

    // A plan opened, restored or new: the views start over, with nothing to undo.
    replace(plan: Plan, fileName: string, modified: boolean): void {
        this.plan = plan;
        this.fileName = fileName;
        this.undoable = [];
        this.redoable = [];
        this.revision = this.nextRevision++;
        this.savedRevision = modified ? -1 : this.revision;
        this.tell(true);
    }

    change(plan: Plan): void {
        this.undoable.push({ plan: this.plan, revision: this.revision });
        if (this.undoable.length > kUndoDepth) this.undoable.shift();
        // Counted again at each edit, as a kept plan's text may have been made since; the last
        // is always kept, so that the last edit can be undone.
        let characters = this.undoable.reduce((sum, kept) => sum + madeTextLength(kept.plan), 0);
        while (characters > kUndoCharacters && this.undoable.length > 1) characters -= madeTextLength(this.undoable.shift()!.plan);
        this.redoable = [];
        this.plan = plan;
        this.revision = this.nextRevision++;
        this.tell(false);
    }

    // Takes back the last edit; false when there is none.
    undo(): boolean {
        const last = this.undoable.pop();
        if (!last) return false;
        this.redoable.push({ plan: this.plan, revision: this.revision });
        this.plan = last.plan;
        this.revision = last.revision;
        this.tell(false);
        return true;
    }

    // Makes the last edit undone again; false when there is none. The plans undone are those
    // Undo kept, so they stay within its bounds.
    redo(): boolean {
        const next = this.redoable.pop();
        if (!next) return false;
        this.undoable.push({ plan: this.plan, revision: this.revision });
        this.plan = next.plan;
        this.revision = next.revision;
        this.tell(false);
        return true;
    }

    // The name a plan without a file is saved under, chosen before its first save.
    rename(fileName: string): void {
        this.fileName = fileName;
        this.tell(false);
    }

    saved(fileName: string): void {
        this.fileName = fileName;
        this.savedRevision = this.revision;
        this.tell(false);
    }

    private tell(replaced: boolean): void {
        for (const listener of this.listeners) listener(replaced);
    }
}
