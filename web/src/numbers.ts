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

// The digit grouping the page writes amounts with ("50,000" in English, "50.000" in German),
// taken off a whole number typed in it, so that an amount may be typed as it is shown. Text
// not grouped as the page groups is left as it is, for the core to read or refuse.
export function withoutGrouping(text: string, locale?: string): string {
    const separator = new Intl.NumberFormat(locale).formatToParts(10000).find((part) => part.type === 'group')?.value;
    if (!separator) return text;
    // A no-break space groups in some locales; a plain space typed for it is taken too.
    const group = /^\s$/.test(separator) ? '[\\s\u00a0\u202f]' : separator.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
    const grouped = new RegExp(`^\\s*([+-]?)(\\d{1,3}(?:${group}\\d{3})+)\\s*$`);
    const match = grouped.exec(text);
    return match ? match[1] + match[2].replace(new RegExp(group, 'g'), '') : text;
}
