// The projection exported: as CSV, exactly as orbelan-cli project --csv writes it, made by the
// core in its worker from the plan last calculated; and printed, every row, by the page's print
// style.
import type { CoreClient } from './coreClient';
import { byId } from './dom';

// "household.Orbe" exports as "household.csv".
export function csvNameOf(planFile: string): string {
    return `${planFile.replace(/\.orbe?$/i, '') || 'Untitled'}.csv`;
}

function download(text: string, name: string): void {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/csv' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// Wires the toolbar's Export CSV and Print; the answer tells whether a projection is shown,
// which Export needs.
export function setUpExports(client: CoreClient, fileName: () => string, showProjection: () => void): (shown: boolean) => void {
    const csv = byId<HTMLButtonElement>('export-csv');
    csv.disabled = true;
    csv.addEventListener('click', async () => {
        const text = await client.projectionCsv();
        if (text !== undefined) download(text, csvNameOf(fileName()));
    });
    byId('print').addEventListener('click', () => {
        showProjection();
        window.print();
    });
    return (shown) => (csv.disabled = !shown);
}
