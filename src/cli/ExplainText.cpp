#include "cli/ExplainText.h"

#include "model/Projection.h"
#include "model/WithdrawalChooser.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

namespace {

// 1234567 as "1,234,567": long amounts stay readable when checked by hand.
std::string Amount(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return value < 0 ? '-' + grouped : grouped;
}

std::string Percent(float rate) {
    std::ostringstream text;
    text << rate << " %";
    return text.str();
}

std::string Years(std::int32_t count) {
    return std::to_string(count) + (count == 1 ? " year" : " years");
}

void ExplainIncome(std::ostream& out, const Plan& plan, std::int32_t year,
                   const IncomeBreakdown& income) {
    const IncomeItem& item = plan.incomes[static_cast<std::size_t>(income.item)];
    out << "  " << income.item << ' ' << item.name
        << (year >= item.withdrawalStart.GetYear() ? " (open for withdrawal)" : "") << '\n';
    out << "    opening balance " << Amount(income.opening) << '\n';
    if (income.initial != 0)
        out << "    initial amount " << Amount(income.initial) << '\n';
    if (item.annualStart.GetYear() <= year && year <= item.annualEnd.GetYear()) {
        const std::int32_t grown = year - item.annualStart.GetYear();
        out << "    annual amount " << Amount(item.annualAmount);
        if (grown > 0) {
            out << " grown " << Percent(item.growthRate) << " a year for " << Years(grown) << " = "
                << Amount(income.annual);
        }
        out << '\n';
    }
    const float rate = CurrentInterestRate(item, year);
    out << "    interest " << income.interestRate << " %";
    if (static_cast<float>(income.interestRate) != rate)
        out << " (" << Percent(rate) << " used as a whole percent)";
    out << " on " << Amount(std::int64_t{income.opening} + income.initial + income.annual) << " = "
        << Amount(income.interest) << '\n';
    if (item.taxable) {
        const std::int64_t beforeTax = income.credited + income.tax;
        out << "    income tax " << Percent(TaxRateInYear(plan, year)) << " on "
            << Amount(beforeTax) << " = " << Amount(income.tax) << '\n';
        out << "    credited " << Amount(beforeTax) << " - " << Amount(income.tax) << " = "
            << Amount(income.credited);
    } else {
        out << "    credited " << Amount(income.credited);
    }
    out << ", balance " << Amount(std::int64_t{income.opening} + income.credited) << '\n';
    if (income.withdrawn != 0)
        out << "    withdrawn " << Amount(income.withdrawn) << '\n';
    out << "    closing balance " << Amount(income.closing) << '\n';
}

void ExplainExpense(std::ostream& out, const Plan& plan, std::int32_t year,
                    const ExpenseBreakdown& expense) {
    if (expense.initial == 0 && expense.annual == 0)
        return;
    const ExpenseItem& item = plan.expenses[static_cast<std::size_t>(expense.item)];
    out << "  " << expense.item << ' ' << item.name << ':';
    if (expense.initial != 0)
        out << " initial amount " << Amount(expense.initial);
    if (expense.annual != 0) {
        const std::int32_t grown = year - item.annualStart.GetYear();
        out << " annual amount " << Amount(item.annualAmount);
        if (grown > 0) {
            out << " grown " << Percent(item.growthRate) << " a year for " << Years(grown) << " = "
                << Amount(expense.annual);
        }
    }
    out << '\n';
}

void ExplainDraw(std::ostream& out, const Plan& plan, const DrawBreakdown& draw) {
    out << "  from " << draw.item << ' ' << plan.incomes[static_cast<std::size_t>(draw.item)].name
        << ": gross " << Amount(draw.gross);
    if (draw.taxRate != 0)
        out << " (withdrawal tax " << draw.taxRate << " %)";
    out << ", taken " << Amount(draw.taken) << ", received " << Amount(draw.received);
    if (draw.Withheld() != 0)
        out << ", withheld " << Amount(draw.Withheld());
    out << '\n';
}

} // namespace

std::string FormatYearExplanation(const Plan& plan, const YearBreakdown& year) {
    std::ostringstream out;
    out << year.year << ": Income " << Amount(year.row.income) << ", Total Assets "
        << Amount(year.row.totalAssets) << ", Available Assets " << Amount(year.row.availableAssets)
        << ", Withdrawals " << Amount(year.row.withdrawals)
        << "\n\nIncome items (Income sums the credits; Total Assets the balances after them,\n"
           "Available Assets those of the items open for withdrawal)\n";
    for (const IncomeBreakdown& income : year.incomes)
        ExplainIncome(out, plan, year.year, income);
    std::int64_t expenses = 0;
    for (const ExpenseBreakdown& expense : year.expenses)
        expenses += std::int64_t{expense.initial} + expense.annual;
    out << "\nExpenses " << Amount(expenses) << '\n';
    for (const ExpenseBreakdown& expense : year.expenses)
        ExplainExpense(out, plan, year.year, expense);
    out << "\nWithdrawals (lowest interest rate first; Withdrawals is minus the expenses\n"
           "less what tax withheld)\n";
    for (const DrawBreakdown& draw : year.draws)
        ExplainDraw(out, plan, draw);
    out << '\n';
    if (year.covered)
        out << "All expenses paid.\n";
    else
        out << Amount(year.unpaid) << " could not be paid.\n";
    return out.str();
}
