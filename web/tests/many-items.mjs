// A plan of many items for the tests and benchmarks that measure time: seven in ten are
// accounts at different rates, opening for withdrawal one after another, the rest expenses
// that draw on them for decades. Past 10,000 items the amounts are smaller, so that the
// plan's totals stay those of 10,000 items, well within what the engine calculates.
import { rateBits } from './random-plans.mjs';

export function manyItemsPlan(core, items) {
    const plan = JSON.parse(core.newPlan());
    plan.birthDate = [1970, 6, 1];
    const year = (y) => [y, 1, 1];
    const scaled = (amount) => Math.round(amount * Math.min(1, 10000 / items));
    const incomes = Math.round(items * 0.7);
    for (let i = 0; i < incomes; ++i)
        plan.incomes.push({
            name: `Account ${i + 1}`, taxable: i % 2 === 0, initialAmount: scaled(20000 + 1000 * (i % 70)),
            initialDate: year(2020), annualAmount: scaled(500), annualStart: year(2021), annualEnd: year(2035),
            growthRate: rateBits(1), rateSwitchDate: year(2035), rateBefore: rateBits(2 + (i % 7) / 2),
            rateAfter: rateBits(1 + (i % 5) / 3), withdrawalTaxable: i % 3 === 0, withdrawalStart: year(2021 + (i % 20)),
        });
    for (let e = 0; e < items - incomes; ++e)
        plan.expenses.push({
            name: `Expense ${e + 1}`, initialAmount: 0, initialDate: year(2020), annualAmount: scaled(1000 + 50 * (e % 30)),
            annualStart: year(2021), annualEnd: year(2100), growthRate: rateBits(2),
        });
    return plan;
}
