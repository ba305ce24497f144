#include "report/YearExplanation.h"

#include "model/Projection.h"
#include "model/WhatIf.h"
#include "model/WithdrawalChooser.h"
#include "report/DisplayName.h"

#include <cstddef>
#include <string>
#include <utility>

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// "+13 points", "-1 point", "0 points".
std::string Points(std::int32_t points) {
    const std::string number = points > 0 ? '+' + Number(points) : Number(points);
    return number + (points == 1 || points == -1 ? " point" : " points");
}

class LineWriter {
public:
    LineWriter(const ExplanationLineSink& each, const ExplanationText& text)
        : m_each(each), m_text(text) {}

    void Add(int depth, std::string label) {
        m_each({depth, std::move(label), std::nullopt, false});
    }
    void Add(int depth, std::string label, std::int64_t amount) {
        m_each({depth, std::move(label), amount, false});
    }
    void AddEmphasised(std::string sentence) {
        m_each({0, std::move(sentence), std::nullopt, true});
    }

    std::string Rate(float rate) const { return m_text.rate(rate); }
    std::string Amount(std::int64_t amount) const { return m_text.amount(amount); }

private:
    const ExplanationLineSink& m_each;
    const ExplanationText& m_text;
};

std::string IncomeName(const Plan& plan, std::int32_t item) {
    return ItemName(plan.incomes[static_cast<std::size_t>(item)].name, ItemList::Income,
                    static_cast<std::size_t>(item));
}

// The rate as the plan gives it, moved on a path, and the whole percent the engine counts:
// "Interest at 5.9 %, counted as 5 %", "Interest at 0 % moved by +13 points: 13 %, counted as
// 13 %".
std::string InterestLabel(const LineWriter& out, float rate, std::int32_t counted,
                          const std::optional<ExplainedPath>& path) {
    std::string label = "Interest at " + out.Rate(rate) + " %";
    if (path && path->points != 0) {
        return label + " moved by " + Points(path->points) + ": " +
               out.Rate(MovedRate(rate, path->points)) + " %, counted as " + Number(counted) + " %";
    }
    if (rate == static_cast<float>(counted))
        return label;
    return label + ", counted as " + Number(counted) + " %";
}

void AddHeading(LineWriter& out, const YearBreakdown& year, const Plan& plan,
                const ExplanationSettings& settings) {
    if (settings.path) {
        // Short, to fit a narrow pane: "Worst path, no. 37: returns moved by -3 points".
        std::string name = settings.path->name;
        if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
            name[0] = static_cast<char>(name[0] - 'a' + 'A');
        out.AddEmphasised(name + ": returns moved by " + Points(settings.path->points));
    }
    if (settings.todaysMoney) {
        out.Add(0, "Amounts in " + Number(settings.todaysMoney->currentYear) + " money at " +
                       out.Rate(settings.todaysMoney->inflation) + " % inflation a year");
    }
    std::string heading = "Year " + Number(year.year);
    if (const std::optional<std::int32_t> age = AgeIn(plan, year.year)) {
        heading += ", age " + Number(*age);
        if (year.year == plan.retirementDate.GetYear())
            heading += ", the retirement year";
    }
    out.Add(0, std::move(heading));
    out.Add(0, "Tax rate in force: " + out.Rate(TaxRateInYear(plan, year.year)) + " %");
}

void AddIncomes(LineWriter& out, const YearBreakdown& year, const ShownYear& shown,
                const Plan& plan, const ExplanationSettings& settings) {
    out.Add(0, "Income items", shown.income);
    for (std::size_t i = 0; i < year.incomes.size(); ++i) {
        const IncomeBreakdown& income = year.incomes[i];
        const ShownIncome& figures = shown.incomes[i];
        const IncomeItem& source = plan.incomes[static_cast<std::size_t>(income.item)];
        std::string name = IncomeName(plan, income.item);
        if (!OpenForWithdrawal(source, year.year))
            name += " (not yet open for withdrawal)";
        out.Add(1, std::move(name));
        out.Add(2, "Opening balance", figures.opening);
        if (income.initial != 0)
            out.Add(2, "Initial amount", figures.initial);
        if (income.annual != 0)
            out.Add(2, "Annual amount", figures.annual);
        out.Add(2,
                InterestLabel(out, CurrentInterestRate(source, year.year), income.interestRate,
                              settings.path),
                figures.interest);
        if (source.taxable)
            out.Add(2, "Income tax", -figures.tax);
        out.Add(2, "Credited", figures.credited);
        out.Add(2, "Balance after credits", figures.balance);
        out.Add(2, "Withdrawn", -figures.withdrawn);
        out.Add(2, "Closing balance", figures.closing);
    }
    out.Add(0, "Total Assets: the balances after credits", shown.totalAssets);
    out.Add(0, "Available Assets: those open for withdrawal", shown.availableAssets);
}

void AddExpenses(LineWriter& out, const YearBreakdown& year, const ShownYear& shown,
                 const Plan& plan) {
    out.Add(0, "Expenses", shown.spent);
    for (std::size_t e = 0; e < year.expenses.size(); ++e) {
        const ExpenseBreakdown& expense = year.expenses[e];
        if (expense.initial == 0 && expense.annual == 0)
            continue;
        const ExpenseItem& source = plan.expenses[static_cast<std::size_t>(expense.item)];
        out.Add(1,
                ItemName(source.name, ItemList::Expenses, static_cast<std::size_t>(expense.item)));
        if (expense.initial != 0)
            out.Add(2, "Initial amount", shown.expenses[e].initial);
        if (expense.annual != 0)
            out.Add(2, "Annual amount", shown.expenses[e].annual);
    }
}

void AddDraws(LineWriter& out, const YearBreakdown& year, const ShownYear& shown,
              const Plan& plan) {
    std::string rule =
        "Withdrawals " + out.Amount(shown.withdrawals) + " = expenses " + out.Amount(shown.spent);
    if (shown.withheld != 0)
        rule += " + withheld tax " + out.Amount(shown.withheld);
    out.Add(0, std::move(rule));
    for (std::size_t d = 0; d < year.draws.size(); ++d) {
        const DrawBreakdown& draw = year.draws[d];
        const ShownDraw& figures = shown.draws[d];
        out.Add(1, Number(static_cast<std::int64_t>(d) + 1) + ". " + IncomeName(plan, draw.item));
        out.Add(2, "Gross", figures.gross);
        out.Add(2, "Taken", figures.taken);
        if (draw.taxRate != 0 || figures.withheld != 0)
            out.Add(2, "Withheld tax at " + Number(draw.taxRate) + " %", -figures.withheld);
        out.Add(2, "Received", figures.received);
    }
}

void AddOutcome(LineWriter& out, const YearBreakdown& year, const ShownYear& shown) {
    if (year.covered) {
        out.Add(0, "All expenses paid");
    } else {
        out.AddEmphasised(out.Amount(shown.unpaid) +
                          " of this year's expenses could not be paid from the income items "
                          "open for withdrawal.");
    }
    if (year.lastBeforeLimit) {
        out.AddEmphasised("The next year, " + Number(std::int64_t{year.year} + 1) +
                          ", could not be calculated: its amounts leave the range this program "
                          "can calculate exactly, so the projection stops here.");
    }
}

} // namespace

void ForEachExplanationLine(const YearBreakdown& year, const Plan& plan,
                            const ExplanationText& text, const ExplanationSettings& settings,
                            const ExplanationLineSink& each) {
    const ShownYear shown = ShowYear(year, plan, settings.todaysMoney);
    LineWriter out(each, text);
    AddHeading(out, year, plan, settings);
    AddIncomes(out, year, shown, plan, settings);
    AddExpenses(out, year, shown, plan);
    AddDraws(out, year, shown, plan);
    AddOutcome(out, year, shown);
}

std::vector<ExplanationLine> ExplainYearLines(const YearBreakdown& year, const Plan& plan,
                                              const ExplanationText& text,
                                              const ExplanationSettings& settings) {
    std::vector<ExplanationLine> lines;
    ForEachExplanationLine(year, plan, text, settings,
                           [&lines](ExplanationLine line) { lines.push_back(std::move(line)); });
    return lines;
}
