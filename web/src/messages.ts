// The desktop's message box: one text, an OK button, focus back where it was.
import { byId } from './dom';

export function showMessage(text: string, afterwards?: HTMLElement): Promise<void> {
    const dialog = byId<HTMLDialogElement>('message');
    byId('message-text').textContent = text;
    const before = afterwards ?? (document.activeElement as HTMLElement | null);
    return new Promise((resolve) => {
        dialog.addEventListener(
            'close',
            () => {
                before?.focus();
                if (before instanceof HTMLInputElement && before.type === 'text') before.select();
                resolve();
            },
            { once: true },
        );
        dialog.showModal();
        byId('message-ok').focus();
    });
}

// A question with two or three answers ("yes", "no", "cancel"); Esc answers "cancel", which
// a question of two answers takes as neither.
export function ask(text: string, yes: string, no: string, cancel?: string): Promise<string> {
    const dialog = byId<HTMLDialogElement>('question');
    byId('question-text').textContent = text;
    byId('question-yes').textContent = yes;
    byId('question-no').textContent = no;
    const cancelButton = byId('question-cancel');
    cancelButton.textContent = cancel ?? '';
    cancelButton.hidden = cancel === undefined;
    dialog.returnValue = '';
    return new Promise((resolve) => {
        dialog.addEventListener(
            'close',
            () => resolve(dialog.returnValue || 'cancel'),
            { once: true },
        );
        dialog.showModal();
        byId('question-yes').focus();
    });
}
