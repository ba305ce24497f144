// Amounts as the page shows them: grouped by the browser's locale in tables, and short (k
// for thousands, M for millions) on the chart's axis.

const grouped = new Intl.NumberFormat(undefined, { maximumFractionDigits: 0 });
const short = new Intl.NumberFormat(undefined, { maximumFractionDigits: 1 });

export function amountText(amount: number): string {
    return grouped.format(amount);
}

// "250 k", "1.5 M", "-40 k"; under a thousand as it is.
export function shortAmount(amount: number): string {
    const size = Math.abs(amount);
    if (size >= 1e9) return `${short.format(amount / 1e9)} G`;
    if (size >= 1e6) return `${short.format(amount / 1e6)} M`;
    if (size >= 1e3) return `${short.format(amount / 1e3)} k`;
    return grouped.format(amount);
}
