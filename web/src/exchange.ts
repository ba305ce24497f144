// Moves values between a plan's fields and the form's controls, as the desktop dialogs do:
// show fills every control, read takes them in a fixed order and stops at the first
// refusal with the dialogs' message, which the caller shows before focusing the control.
import type { Core, Parsed, PlanDate } from './core';
import { nameForDisplay, nameFromEdit } from './names';

type Target = Record<string, unknown>;

interface Binding {
    control: HTMLInputElement;
    show(target: Target): void;
    read(target: Target): string | null;
}

// A date picker shows the current year for a date that has none.
const currentYear = new Date().getFullYear();

function shownYear(date: PlanDate): number {
    return date ? date[0] : currentYear;
}

// The year field keeps the stored month and day; a date that had none gets 1 January once
// its year is changed. The field takes the years 100 to 9999.
export function readYear(text: string, stored: PlanDate): PlanDate {
    const typed = Number.parseInt(text, 10);
    const year = Number.isNaN(typed) ? shownYear(stored) : Math.min(9999, Math.max(100, typed));
    if (stored) return [year, stored[1], stored[2]];
    return year !== shownYear(stored) ? [year, 1, 1] : null;
}

export class Exchange {
    private readonly bindings: Binding[] = [];

    constructor(private readonly core: Core) {}

    integer(control: HTMLInputElement, key: string): void {
        this.parsed(control, key, (value) => String(value), (text) => this.core.parseInteger(text));
    }

    rate(control: HTMLInputElement, key: string): void {
        this.parsed(
            control,
            key,
            (value) => this.core.showRate(value as number),
            (text) => this.core.parseRate(text),
        );
    }

    // A field the core reads, giving the value or the desktop's message for what was typed.
    private parsed(
        control: HTMLInputElement,
        key: string,
        show: (value: unknown) => string,
        parse: (text: string) => Parsed,
    ): void {
        this.bindings.push({
            control,
            show: (t) => (control.value = show(t[key])),
            read: (t) => {
                const parsed = parse(control.value);
                if (parsed.error !== undefined) return parsed.error;
                t[key] = parsed.value;
                return null;
            },
        });
    }

    date(control: HTMLInputElement, key: string): void {
        this.bindings.push({
            control,
            show: (t) => (control.value = String(shownYear(t[key] as PlanDate))),
            read: (t) => {
                t[key] = readYear(control.value, t[key] as PlanDate);
                return null;
            },
        });
    }

    check(control: HTMLInputElement, key: string): void {
        this.bindings.push({
            control,
            show: (t) => (control.checked = t[key] as boolean),
            read: (t) => {
                t[key] = control.checked;
                return null;
            },
        });
    }

    name(control: HTMLInputElement, key: string): void {
        this.bindings.push({
            control,
            show: (t) => (control.value = nameForDisplay(t[key] as string)),
            read: (t) => {
                t[key] = nameFromEdit(control.value, t[key] as string);
                return null;
            },
        });
    }

    show(target: object): void {
        for (const binding of this.bindings) binding.show(target as Target);
    }

    // The changed copy, or the refusal and the control to fix.
    read<T extends object>(target: T): { value: T } | { error: string; control: HTMLInputElement } {
        const draft = structuredClone(target) as Target;
        for (const binding of this.bindings) {
            const error = binding.read(draft);
            if (error !== null) return { error, control: binding.control };
        }
        return { value: draft as T };
    }
}
