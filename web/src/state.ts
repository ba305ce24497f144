// The open plan: its contents, its file name, whether it changed since it was opened or
// saved, and the edits that Undo takes back. Views listen for changes.
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

    listen(listener: (replaced: boolean) => void): void {
        this.listeners.push(listener);
    }

    // A plan opened, restored or new: the views start over, with nothing to undo.
    replace(plan: Plan, fileName: string, modified: boolean): void {
        this.plan = plan;
        this.fileName = fileName;
        this.undoable = [];
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
        this.plan = plan;
        this.revision = this.nextRevision++;
        this.tell(false);
    }

    // Takes back the last edit; false when there is none.
    undo(): boolean {
        const last = this.undoable.pop();
        if (!last) return false;
        this.plan = last.plan;
        this.revision = last.revision;
        this.tell(false);
        return true;
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
