// Fields whose text the plan could not take. Each keeps its text and shows the reason beside
// it until it is corrected; Calculate and Save name the first of them instead of using the
// value stored before.

export class FieldChecks {
    // The control and where it is, in words: "Retirement Age in General Data".
    private readonly refused = new Map<HTMLInputElement, string>();

    refuse(control: HTMLInputElement, reason: string, where: string): void {
        this.refused.set(control, `${where}: ${reason}`);
        control.setAttribute('aria-invalid', 'true');
        errorOf(control).textContent = reason;
        errorOf(control).hidden = false;
    }

    accept(control: HTMLInputElement): void {
        if (!this.refused.delete(control)) return;
        control.removeAttribute('aria-invalid');
        errorOf(control).hidden = true;
    }

    has(control: HTMLInputElement): boolean {
        return this.refused.has(control);
    }

    // Forgets the refusals inside the container, whose fields are shown anew.
    clear(container: HTMLElement): void {
        for (const control of [...this.refused.keys()]) if (container.contains(control)) this.accept(control);
    }

    // The first refused field in page order, inside the container if one is given, with the
    // sentence that asks for its correction before the action named.
    first(action: string, container?: HTMLElement): { control: HTMLInputElement; text: string } | null {
        const controls = [...this.refused.keys()]
            .filter((c) => !container || container.contains(c))
            .sort((a, b) => (a.compareDocumentPosition(b) & Node.DOCUMENT_POSITION_FOLLOWING ? -1 : 1));
        if (controls.length === 0) return null;
        const control = controls[0];
        return { control, text: `${this.refused.get(control)}\nCorrect this field to ${action}.` };
    }
}

// The field's label as read out, without its colon.
export function labelOf(control: HTMLInputElement): string {
    const text = control.labels?.[0]?.textContent ?? control.getAttribute('aria-label') ?? control.id;
    return text.replace(/:$/, '').trim();
}

// The reason's place, at the end of the control's row, made once.
function errorOf(control: HTMLInputElement): HTMLElement {
    const id = `${control.id}-error`;
    let error = document.getElementById(id);
    if (!error) {
        error = document.createElement('span');
        error.id = id;
        error.className = 'field-error';
        error.hidden = true;
        control.parentElement!.append(error);
        control.setAttribute('aria-describedby', id);
    }
    return error;
}
