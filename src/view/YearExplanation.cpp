#include "view/YearExplanation.h"

#include "model/Projection.h"
#include "model/WhatIf.h"
#include "model/WithdrawalChooser.h"

#include <QLocale>

#include <cstddef>
#include <string>

namespace {

QString Name(const std::string& bytes, const QString& fallback) {
    return bytes.empty() ? fallback : QString::fromStdString(bytes);
}

QString IncomeName(const Plan& plan, std::int32_t item) {
    return Name(plan.incomes[static_cast<std::size_t>(item)].name,
                QStringLiteral("Income item %1").arg(item + 1));
}

QString RateText(float rate) {
    return QLocale().toString(static_cast<double>(rate), 'g', 6);
}

// A rate as the plan gives it, and the whole percent the engine counts when they differ:
// "5.9 %, counted as 5 %".
QString CountedRateText(float rate, std::int32_t counted) {
    if (rate == static_cast<float>(counted))
        return QStringLiteral("%1 %").arg(counted);
    return QStringLiteral("%1 %, counted as %2 %").arg(RateText(rate)).arg(counted);
}

class LineWriter {
public:
    LineWriter(std::vector<ExplanationLine>& lines, const AmountFormat& format)
        : m_lines(lines), m_format(format) {}

    void Add(int depth, const QString& label) { m_lines.push_back({depth, label, {}, false}); }
    void Add(int depth, const QString& label, std::int64_t amount) {
        m_lines.push_back({depth, label, m_format(amount), false});
    }
    void AddEmphasised(const QString& sentence) { m_lines.push_back({0, sentence, {}, true}); }
    QString Amount(std::int64_t amount) const { return m_format(amount); }

private:
    std::vector<ExplanationLine>& m_lines;
    const AmountFormat& m_format;
};

void AddYearHeading(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    QString heading = QStringLiteral("Year %1").arg(year.year);
    if (const std::optional<std::int32_t> age = AgeIn(plan, year.year)) {
        heading += QStringLiteral(", age %1").arg(*age);
        if (year.year == plan.retirementDate.GetYear())
            heading += QStringLiteral(", the retirement year");
    }
    out.Add(0, heading);
    out.Add(
        0, QStringLiteral("Tax rate in force: %1 %").arg(RateText(TaxRateInYear(plan, year.year))));
}

void AddIncomes(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    out.Add(0, QStringLiteral("Income items"), year.row.income);
    for (const IncomeBreakdown& income : year.incomes) {
        const IncomeItem& source = plan.incomes[static_cast<std::size_t>(income.item)];
        out.Add(1, IncomeName(plan, income.item));
        out.Add(2, QStringLiteral("Opening balance"), income.opening);
        if (income.initial != 0)
            out.Add(2, QStringLiteral("Initial amount"), income.initial);
        if (income.annual != 0)
            out.Add(2, QStringLiteral("Annual amount"), income.annual);
        out.Add(
            2,
            QStringLiteral("Interest at %1")
                .arg(CountedRateText(CurrentInterestRate(source, year.year), income.interestRate)),
            income.interest);
        if (source.taxable)
            out.Add(2, QStringLiteral("Income tax"), -income.tax);
        out.Add(2, QStringLiteral("Credited"), income.credited);
        out.Add(2, QStringLiteral("Withdrawn"), -std::int64_t{income.withdrawn});
        out.Add(2, QStringLiteral("Closing balance"), income.closing);
    }
}

void AddExpenses(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    std::int64_t spent = 0;
    for (const ExpenseBreakdown& expense : year.expenses)
        spent += std::int64_t{expense.initial} + expense.annual;
    out.Add(0, QStringLiteral("Expenses"), spent);
    for (const ExpenseBreakdown& expense : year.expenses) {
        if (expense.initial == 0 && expense.annual == 0)
            continue;
        const ExpenseItem& source = plan.expenses[static_cast<std::size_t>(expense.item)];
        out.Add(1, Name(source.name, QStringLiteral("Expense item %1").arg(expense.item + 1)));
        if (expense.initial != 0)
            out.Add(2, QStringLiteral("Initial amount"), expense.initial);
        if (expense.annual != 0)
            out.Add(2, QStringLiteral("Annual amount"), expense.annual);
    }
}

void AddDraws(LineWriter& out, const YearBreakdown& year, const Plan& plan) {
    out.Add(0, QStringLiteral("Withdrawals"), year.row.withdrawals);
    int order = 0;
    for (const DrawBreakdown& draw : year.draws) {
        out.Add(1, QStringLiteral("%1. %2").arg(++order).arg(IncomeName(plan, draw.item)));
        out.Add(2, QStringLiteral("Gross"), draw.gross);
        out.Add(2, QStringLiteral("Taken"), draw.taken);
        if (draw.taxRate != 0 || draw.Withheld() != 0)
            out.Add(2, QStringLiteral("Withheld tax at %1 %").arg(draw.taxRate), -draw.Withheld());
        out.Add(2, QStringLiteral("Received"), draw.received);
    }
}

void AddOutcome(LineWriter& out, const YearBreakdown& year) {
    if (year.covered) {
        out.Add(0, QStringLiteral("All expenses paid"));
        return;
    }
    out.AddEmphasised(QStringLiteral("%1 of this year's expenses could not be paid from the income "
                                     "items open for withdrawal.")
                          .arg(out.Amount(year.unpaid)));
}

} // namespace

std::vector<ExplanationLine> ExplainYearLines(const YearBreakdown& year, const Plan& plan,
                                              const AmountFormat& format) {
    std::vector<ExplanationLine> lines;
    LineWriter out(lines, format);
    AddYearHeading(out, year, plan);
    AddIncomes(out, year, plan);
    AddExpenses(out, year, plan);
    AddDraws(out, year, plan);
    AddOutcome(out, year);
    return lines;
}
