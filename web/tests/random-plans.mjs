// Random plans in the page's plan form (see src/wasm/PlanJson.h), drawn from a seed so that
// a failure can be run again: amounts and rates of every sign, invalid dates now and then,
// rates that tie, names of any bytes.

export function seededRandom(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

const floatBits = new DataView(new ArrayBuffer(4));
export function rateBits(value) {
    floatBits.setFloat32(0, value);
    return floatBits.getUint32(0);
}

export function randomPlan(random, shape = { maxIncomes: 8, maxExpenses: 4 }) {
    const int = (low, high) => low + Math.floor(random() * (high - low + 1));
    const flag = () => int(0, 1) === 1;
    const amount = () => {
        const kind = int(0, 9);
        const size = int(0, 100000);
        return kind === 0 ? 0 : kind === 1 ? -Math.trunc(size / 10) : size;
    };
    const rate = (scale) => {
        const kind = int(0, 5);
        const value = kind === 0 ? int(0, 5) : -3 + random() * 15;
        return rateBits(Math.fround(value / scale));
    };
    const date = () => (int(0, 30) === 0 ? null : [int(1995, 2040), int(1, 12), int(1, 28)]);
    const name = () => {
        let text = '';
        for (let n = int(0, 12); n > 0; --n) {
            // No line ends: a name is one line of the file.
            let code = int(32, 255);
            text += String.fromCharCode(code);
        }
        return text;
    };
    const birth = [int(1950, 1990), int(1, 12), int(1, 28)];
    const age = int(40, 70);
    const plan = {
        birthDate: birth,
        retirementAge: age,
        retirementDate: [birth[0] + age, birth[1], birth[2]],
        taxRateBefore: rateBits(Math.fround(random() * 50)),
        taxRateAfter: rateBits(Math.fround(random() * 50)),
        incomes: [],
        expenses: [],
    };
    for (let i = int(0, shape.maxIncomes); i > 0; --i) {
        plan.incomes.push({
            name: name(),
            taxable: flag(),
            initialAmount: amount(),
            initialDate: date(),
            annualAmount: Math.trunc(amount() / 10),
            annualStart: date(),
            annualEnd: date(),
            growthRate: rate(2),
            rateSwitchDate: date(),
            rateBefore: rate(1),
            rateAfter: rate(1),
            withdrawalTaxable: flag(),
            withdrawalStart: date(),
        });
    }
    for (let i = int(0, shape.maxExpenses); i > 0; --i) {
        plan.expenses.push({
            name: name(),
            initialAmount: Math.trunc(amount() / 2),
            initialDate: date(),
            annualAmount: Math.trunc(amount() / 20),
            annualStart: date(),
            annualEnd: date(),
            growthRate: rate(3),
        });
    }
    return plan;
}
