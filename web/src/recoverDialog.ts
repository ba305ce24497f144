// Recover: every copy of unsaved changes that this browser keeps and no open tab holds, in one
// list with its plan's name and when it was kept, each to restore or discard.
import { el } from './dom';
import type { KeptCopies, KeptSummary } from './keptCopy';

export class RecoverDialog {
    private readonly dialog: HTMLDialogElement;
    private readonly list: HTMLElement;

    // restore(slot) puts the copy in place of the plan open; false when it did not.
    constructor(
        private readonly copies: KeptCopies,
        private readonly restore: (slot: string) => Promise<boolean>,
    ) {
        this.list = el('ul', { id: 'recover-list', class: 'recover-list' });
        const close = el('button', { type: 'button', id: 'recover-close' }, 'Close');
        this.dialog = el(
            'dialog',
            { id: 'recover', 'aria-labelledby': 'recover-title' },
            el('h2', { id: 'recover-title' }, 'Recover Unsaved Changes'),
            el('p', {}, 'Copies of unsaved changes kept in this browser, newest first. A copy stays until it is restored or discarded.'),
            this.list,
            el('div', { class: 'closing' }, close),
        );
        document.body.append(this.dialog);
        close.addEventListener('click', () => this.dialog.close());
    }

    async open(): Promise<void> {
        await this.fill();
        this.dialog.showModal();
        (this.list.querySelector('button') ?? this.dialog.querySelector<HTMLElement>('#recover-close'))?.focus();
    }

    private async fill(): Promise<void> {
        const copies = await this.copies.list();
        if (copies.length === 0) {
            this.list.replaceChildren(el('li', {}, 'No unsaved changes are kept in this browser.'));
            return;
        }
        this.list.replaceChildren(...copies.map((copy) => this.row(copy)));
    }

    private row(copy: KeptSummary): HTMLElement {
        const when = new Date(copy.time).toLocaleString();
        const name = `${copy.fileName}, ${copy.downloaded ? 'downloaded' : 'kept'} ${when}`;
        const restore = el('button', { type: 'button', 'aria-label': `Restore ${name}` }, 'Restore');
        const discard = el('button', { type: 'button', 'aria-label': `Discard ${name}` }, 'Discard');
        restore.addEventListener('click', async () => {
            this.dialog.close();
            if (!(await this.restore(copy.slot))) await this.open();
        });
        discard.addEventListener('click', async () => {
            await this.copies.drop(copy.slot);
            await this.fill();
            (this.list.querySelector('button') ?? this.dialog.querySelector<HTMLElement>('#recover-close'))?.focus();
        });
        return el('li', {}, el('span', { class: 'recover-name' }, name), ' ', restore, ' ', discard);
    }
}
