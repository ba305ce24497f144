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

// A question with two answers, for offering unsaved changes back.
export function ask(text: string, yes: string, no: string): Promise<boolean> {
    const dialog = byId<HTMLDialogElement>('question');
    byId('question-text').textContent = text;
    byId('question-yes').textContent = yes;
    byId('question-no').textContent = no;
    return new Promise((resolve) => {
        dialog.addEventListener('close', () => resolve(dialog.returnValue === 'yes'), {
            once: true,
        });
        dialog.showModal();
        byId('question-yes').focus();
    });
}
