#include "report/YearExplanation.h"

#include "model/Projection.h"
#include "model/WhatIf.h"
#include "model/WithdrawalChooser.h"

#include <cstddef>
#include <string>
#include <utility>

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

class LineWriter {
public:
    LineWriter(std::vector<ExplanationLine>& lines, const ExplanationText& text)
        : m_lines(lines), m_text(text) {}

    void Add(int depth, std::string label) {
        m_lines.push_back({depth, std::move(label), std::nullopt, false});
    }
    void Add(int depth, std::string label, std::int64_t amount) {
        m_lines.push_back({depth, std::move(label), amount, false});
    }
    void AddEmphasised(std::string sentence) {
        m_lines.push_back({0, std::move(sentence), std::nullopt, true});
    }

    std::string Name(const std::string& stored, const char* fallback, std::int32_t item) const {
        return stored.empty() ? fallback + Number(item + 1) : m_text.name(stored);
    }
    std::string IncomeName(const Plan& plan, std::int32_t item) const {
        return Name(plan.incomes[static_cast<std::size_t>(item)].name, "Income item ", item);
    }
    // A rate as the plan gives it, and the whole percent the engine counts when they differ:
    // "5.9 %, counted as 5 %".
    std::string CountedRate(float rate, std::int32_t counted) const {
        if (rate == static_cast<float>(counted))
            return Number(counted) + " %";
        return m_text.rate(rate) + " %, counted as " + Number(counted) + " %";
    }
    std::string Rate(float rate) const { return m_text.rate(rate); }
    std::string Amount(std::int64_t amount) const { return m_text.amount(amount); }

private:
    std::vector<ExplanationLine>& m_lines;
    const ExplanationText& m_text;
};

void AddYearHeading(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    std::string heading = "Year " + Number(year.year);
    if (const std::optional<std::int32_t> age = AgeIn(plan, year.year)) {
        heading += ", age " + Number(*age);
        if (year.year == plan.retirementDate.GetYear())
            heading += ", the retirement year";
    }
    out.Add(0, std::move(heading));
    out.Add(0, "Tax rate in force: " + out.Rate(TaxRateInYear(plan, year.year)) + " %");
}

void AddIncomes(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    out.Add(0, "Income items", year.row.income);
    for (const IncomeBreakdown& income : year.incomes) {
        const IncomeItem& source = plan.incomes[static_cast<std::size_t>(income.item)];
        out.Add(1, out.IncomeName(plan, income.item));
        out.Add(2, "Opening balance", income.opening);
        if (income.initial != 0)
            out.Add(2, "Initial amount", income.initial);
        if (income.annual != 0)
            out.Add(2, "Annual amount", income.annual);
        out.Add(2,
                "Interest at " +
                    out.CountedRate(CurrentInterestRate(source, year.year), income.interestRate),
                income.interest);
        if (source.taxable)
            out.Add(2, "Income tax", -income.tax);
        out.Add(2, "Credited", income.credited);
        out.Add(2, "Withdrawn", -std::int64_t{income.withdrawn});
        out.Add(2, "Closing balance", income.closing);
    }
}

void AddExpenses(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    std::int64_t spent = 0;
    for (const ExpenseBreakdown& expense : year.expenses)
        spent += std::int64_t{expense.initial} + expense.annual;
    out.Add(0, "Expenses", spent);
    for (const ExpenseBreakdown& expense : year.expenses) {
        if (expense.initial == 0 && expense.annual == 0)
            continue;
        const ExpenseItem& source = plan.expenses[static_cast<std::size_t>(expense.item)];
        out.Add(1, out.Name(source.name, "Expense item ", expense.item));
        if (expense.initial != 0)
            out.Add(2, "Initial amount", expense.initial);
        if (expense.annual != 0)
            out.Add(2, "Annual amount", expense.annual);
    }
}

void AddDraws(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    out.Add(0, "Withdrawals", year.row.withdrawals);
    std::int32_t order = 0;
    for (const DrawBreakdown& draw : year.draws) {
        out.Add(1, Number(++order) + ". " + out.IncomeName(plan, draw.item));
        out.Add(2, "Gross", draw.gross);
        out.Add(2, "Taken", draw.taken);
        if (draw.taxRate != 0 || draw.Withheld() != 0)
            out.Add(2, "Withheld tax at " + Number(draw.taxRate) + " %", -draw.Withheld());
        out.Add(2, "Received", draw.received);
    }
}

void AddOutcome(LineWriter& out, const YearBreakdown& year) {
    if (year.covered) {
        out.Add(0, "All expenses paid");
        return;
    }
    out.AddEmphasised(out.Amount(year.unpaid) +
                      " of this year's expenses could not be paid from the income items open "
                      "for withdrawal.");
}

} // namespace

std::vector<ExplanationLine> ExplainYearLines(const YearBreakdown& year, const Plan& plan,
                                              const ExplanationText& text) {
    std::vector<ExplanationLine> lines;
    LineWriter out(lines, text);
    AddYearHeading(out, year, plan);
    AddIncomes(out, year, plan);
    AddExpenses(out, year, plan);
    AddDraws(out, year, plan);
    AddOutcome(out, year);
    return lines;
}
