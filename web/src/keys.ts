// The page's keys, as people expect them of a program: Ctrl+S saves the plan rather than the
// page, Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo, F1 opens the help.

export interface KeyActions {
    save(): void;
    undo(): void;
    redo(): void;
    help(): void;
}

export type KeyCommand = keyof KeyActions;

// The command of a key press, or null for a key the page leaves to the browser.
export function commandOf(key: { key: string; ctrlKey: boolean; metaKey: boolean; shiftKey: boolean; altKey: boolean }): KeyCommand | null {
    if (key.key === 'F1' && !key.ctrlKey && !key.metaKey && !key.altKey && !key.shiftKey) return 'help';
    if (!(key.ctrlKey || key.metaKey) || key.altKey) return null;
    const letter = key.key.toLowerCase();
    if (letter === 's' && !key.shiftKey) return 'save';
    if (letter === 'z') return key.shiftKey ? 'redo' : 'undo';
    if (letter === 'y' && !key.shiftKey) return 'redo';
    return null;
}

export function bindKeys(actions: KeyActions): void {
    document.addEventListener('keydown', (event) => {
        const command = commandOf(event);
        if (!command) return;
        const target = event.target;
        const inDialog = document.querySelector('dialog[open]') !== null;
        if (command === 'undo' || command === 'redo') {
            // Typing not yet applied to the plan is the field's own to undo and redo.
            if (target instanceof HTMLInputElement && target.type === 'text' && target.value !== target.defaultValue) return;
            if (inDialog) return;
        }
        // The browser's own save and help never open: the page saves a plan, not itself.
        event.preventDefault();
        if (command === 'help') {
            actions.help();
            return;
        }
        if (inDialog) return;
        if (command === 'save') {
            // What is typed in the field with the focus goes into the plan first, as on leaving it.
            if (target instanceof HTMLInputElement && target.value !== target.defaultValue) target.dispatchEvent(new Event('change'));
        }
        actions[command]();
    });
}
