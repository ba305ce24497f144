// Moves values between a plan's fields and the form's controls: show fills the controls, and
// a control's value is read, with the dialogs' message for a refusal, when it is changed.
import type { Core, Parsed, PlanDate } from './core';
import { nameForDisplay, nameFromEdit } from './names';
import { withoutGrouping } from './numbers';

type Target = Record<string, unknown>;

interface Binding {
    control: HTMLInputElement;
    key: string;
    show(target: Target): void;
    read(target: Target): string | null;
}

// A name longer than this is surely a paste gone wrong; the page refuses it rather than
// carry it through every view.
export const kMaxNameLength = 10000;

// A date picker shows the current year for a date that has none.
const currentYear = new Date().getFullYear();

function shownYear(date: PlanDate): number {
    return date ? date[0] : currentYear;
}

// The year field keeps the stored month and day; a date that had none gets 1 January once
// its year is changed. A field left empty keeps the date; a year outside the range is null,
// for the field to refuse.
export function readYear(text: string, stored: PlanDate, range: { firstYear: number; lastYear: number }): PlanDate | undefined {
    if (text.trim() === '') return stored;
    const typed = Number(text);
    if (!Number.isInteger(typed) || typed < range.firstYear || typed > range.lastYear) return undefined;
    if (stored) return [typed, stored[1], stored[2]];
    return typed !== shownYear(stored) ? [typed, 1, 1] : null;
}

export class Exchange {
    private readonly bindings: Binding[] = [];

    constructor(private readonly core: Core) {}

    integer(control: HTMLInputElement, key: string): void {
        this.parsed(control, key, (value) => String(value), (text) => this.core.parseInteger(withoutGrouping(text)));
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
            key,
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
            key,
            show: (t) => (control.value = String(shownYear(t[key] as PlanDate))),
            read: (t) => {
                const { texts } = this.core;
                // Text that is no number reaches the page as an empty field that says so.
                const year = control.validity.badInput ? undefined : readYear(control.value, t[key] as PlanDate, texts.limits);
                if (year === undefined) return texts.enterYear;
                t[key] = year;
                return null;
            },
        });
    }

    check(control: HTMLInputElement, key: string): void {
        this.bindings.push({
            control,
            key,
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
            key,
            show: (t) => (control.value = nameForDisplay(this.core, t[key] as string)),
            read: (t) => {
                if (control.value.length > kMaxNameLength)
                    return `Enter a name of at most ${kMaxNameLength.toLocaleString()} characters.`;
                t[key] = nameFromEdit(this.core, control.value, t[key] as string);
                return null;
            },
        });
    }

    // Fills the controls from the target, except those the caller keeps as typed. The text
    // shown is also the control's default, so that a control whose text differs holds typing
    // not yet applied.
    show(target: object, keep: (control: HTMLInputElement) => boolean = () => false): void {
        for (const binding of this.bindings) {
            if (keep(binding.control)) continue;
            binding.show(target as Target);
            binding.control.defaultValue = binding.control.value;
            binding.control.defaultChecked = binding.control.checked;
        }
    }

    // Calls changed with each control the user changes, when the change is done.
    onChange(changed: (control: HTMLInputElement) => void): void {
        for (const { control } of this.bindings) control.addEventListener('change', () => changed(control));
    }

    // The control's value read into a copy of the target: the copy, and whether the value
    // differs from the target's; or the refusal.
    read<T extends object>(control: HTMLInputElement, target: T): { value: T; changed: boolean } | { error: string } {
        const binding = this.bindings.find((b) => b.control === control)!;
        const draft = { ...target } as Target;
        const error = binding.read(draft);
        if (error !== null) return { error };
        const before = (target as Target)[binding.key];
        return { value: draft as T, changed: JSON.stringify(draft[binding.key]) !== JSON.stringify(before) };
    }
}
