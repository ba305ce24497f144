// The name a plan without a file is first saved under, asked as the window's Save As asks it,
// where the browser downloads rather than opens a save picker that asks it itself.
import { el } from './dom';

export const kUntitled = 'Untitled.Orbe';
// A name longer than this is no file name a system takes.
const kMaxFileName = 200;

// The name as a file name: no folders, no characters file systems refuse; null for none.
export function fileNameOf(typed: string): string | null {
    const name = typed.replace(/[\\/:*?"<>|\x00-\x1f\x7f]/g, '_').trim().replace(/^\.+/, '').slice(0, kMaxFileName);
    return name === '' ? null : name;
}

let dialog: HTMLDialogElement | null = null;

// The name typed, or null when the question is cancelled.
export function askPlanName(suggested: string): Promise<string | null> {
    const field = el('input', { type: 'text', id: 'plan-name-field', autocomplete: 'off', spellcheck: 'false', required: true });
    dialog?.remove();
    dialog = el(
        'dialog',
        { id: 'plan-name', 'aria-labelledby': 'plan-name-title' },
        el(
            'form',
            { method: 'dialog' },
            el('h2', { id: 'plan-name-title' }, 'Save plan'),
            el('div', { class: 'field' }, el('label', { for: field.id }, 'File name:'), field),
            el(
                'div',
                { class: 'closing' },
                el('button', { value: 'ok', id: 'plan-name-save', class: 'primary' }, 'Save'),
                el('button', { value: 'cancel', id: 'plan-name-cancel', type: 'button' }, 'Cancel'),
            ),
        ),
    );
    const shown = dialog;
    document.body.append(shown);
    field.value = suggested;
    const before = document.activeElement as HTMLElement | null;
    return new Promise((resolve) => {
        shown.querySelector('#plan-name-cancel')!.addEventListener('click', () => shown.close('cancel'));
        shown.addEventListener(
            'close',
            () => {
                before?.focus();
                resolve(shown.returnValue === 'ok' ? fileNameOf(field.value) : null);
            },
            { once: true },
        );
        shown.showModal();
        field.focus();
        // The name without its extension, ready to be typed over.
        field.setSelectionRange(0, suggested.replace(/\.[^.]*$/, '').length);
    });
}
