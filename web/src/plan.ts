// A plan as the core reads and writes it, the shape the page edits.
export type PlanDate = [number, number, number] | null;

// The fields every item has; an expense item has no others.
export interface ScheduledAmounts {
    name: string;
    initialAmount: number;
    initialDate: PlanDate;
    annualAmount: number;
    annualStart: PlanDate;
    annualEnd: PlanDate;
    growthRate: number;
}

export interface IncomeItem extends ScheduledAmounts {
    taxable: boolean;
    rateSwitchDate: PlanDate;
    rateBefore: number;
    rateAfter: number;
    withdrawalTaxable: boolean;
    withdrawalStart: PlanDate;
}

export type ExpenseItem = ScheduledAmounts;

// Names are strings of byte values (0 to 255) and rates the bits of 32-bit floats, so that
// a plan comes back from the page byte for byte.
export interface Plan {
    birthDate: PlanDate;
    retirementAge: number;
    retirementDate: PlanDate;
    taxRateBefore: number;
    taxRateAfter: number;
    incomes: IncomeItem[];
    expenses: ExpenseItem[];
}
