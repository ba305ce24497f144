// The window's help, page for page: the site serves the window's own help files (build.mjs
// copies src/app/help), and this dialog shows them, following their links among themselves.
// F1 and the Help button open it at the part about the view on screen.
import { el } from './dom';

// The part of the help about each view.
const kViewPages: Record<string, string> = {
    plan: 'plan.html',
    projection: 'projection.html',
    details: 'projection.html#details',
    whatif: 'projection.html#whatif',
    risk: 'projection.html#risk',
    scenarios: 'projection.html#scenarios',
};
// A link to another help page, or to a part of one; anything else is no help page.
const kHelpLink = /^([a-z]+\.html)?(?:#([A-Za-z][\w-]*))?$/;
// The help files are small; anything bigger is not one.
const kMaxPageBytes = 1 << 20;

export function helpPageOf(view: string): string {
    return kViewPages[view] ?? 'index.html';
}

export class Help {
    readonly dialog: HTMLDialogElement;
    private readonly title = el('h2', { id: 'help-title' }, 'Orbelan Help');
    private readonly content = el('div', { id: 'help-page', class: 'help-page', tabindex: 0, role: 'region', 'aria-labelledby': 'help-title' });
    private page = '';
    // Counts the pages asked for, so that only the latest is shown.
    private asked = 0;

    constructor() {
        const close = el('button', { type: 'button', id: 'help-close' }, 'Close');
        const contents = el('button', { type: 'button', id: 'help-contents' }, 'Contents');
        this.dialog = el(
            'dialog',
            { id: 'help', class: 'help', 'aria-labelledby': 'help-title' },
            el('div', { class: 'help-bar' }, this.title, contents, close),
            this.content,
        );
        close.addEventListener('click', () => this.dialog.close());
        contents.addEventListener('click', () => void this.open('index.html'));
        this.content.addEventListener('click', (event) => {
            const link = (event.target as HTMLElement).closest('a[href]');
            const match = link && kHelpLink.exec(link.getAttribute('href')!);
            if (!match) return;
            event.preventDefault();
            void this.open(`${match[1] ?? this.page}${match[2] ? `#${match[2]}` : ''}`);
        });
        document.body.append(this.dialog);
    }

    // The page ("projection.html#risk"), scrolled to its part.
    async open(target: string): Promise<void> {
        const [file, part] = target.split('#');
        if (!this.dialog.open) this.dialog.showModal();
        const mine = ++this.asked;
        if (file !== this.page) {
            const body = await this.read(file);
            if (mine !== this.asked) return;
            this.content.replaceChildren(...body.nodes);
            this.title.textContent = body.title;
            this.page = file;
        }
        const anchor = part ? this.content.querySelector(`a[name="${part}"], [id="${part}"]`) : null;
        if (anchor) anchor.scrollIntoView({ block: 'start' });
        else this.content.scrollTop = 0;
        this.content.focus({ preventScroll: true });
    }

    private async read(file: string): Promise<{ title: string; nodes: Node[] }> {
        try {
            const response = await fetch(`help/${file}`);
            if (!response.ok) throw new Error(response.statusText);
            const text = await response.text();
            if (text.length > kMaxPageBytes) throw new Error('too large');
            // Parsed inert: the help's own files hold nothing to run, and the page's policy
            // would not run it.
            const page = new DOMParser().parseFromString(text, 'text/html');
            return { title: page.title || 'Orbelan Help', nodes: [...page.body.childNodes].map((node) => document.importNode(node, true)) };
        } catch (error) {
            return { title: 'Orbelan Help', nodes: [el('p', { role: 'alert' }, `The help page ${file} could not be read: ${String(error)}`)] };
        }
    }
}
