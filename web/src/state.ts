// The open plan: its contents, its file name, and whether it changed since it was opened or
// saved. Views listen for changes.
import type { Plan } from './core';

export class PlanState {
    plan: Plan;
    fileName = 'Untitled.Orbe';
    modified = false;
    private readonly listeners: ((replaced: boolean) => void)[] = [];

    constructor(plan: Plan) {
        this.plan = plan;
    }

    listen(listener: (replaced: boolean) => void): void {
        this.listeners.push(listener);
    }

    // A plan opened, restored or new: the views start over.
    replace(plan: Plan, fileName: string, modified: boolean): void {
        this.plan = plan;
        this.fileName = fileName;
        this.modified = modified;
        for (const listener of this.listeners) listener(true);
    }

    change(plan: Plan): void {
        this.plan = plan;
        this.modified = true;
        for (const listener of this.listeners) listener(false);
    }

    saved(fileName: string): void {
        this.fileName = fileName;
        this.modified = false;
        for (const listener of this.listeners) listener(false);
    }
}
