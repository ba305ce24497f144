#include "report/ReportAssumptions.h"

#include "model/ProjectionTable.h"
#include "report/DisplayName.h"

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string Percent(float rate, const ExplanationText& text) {
    return text.rate(rate) + " %";
}

// The columns every item has: its amounts and when they come.
template <typename Item>
ItemAssumption Scheduled(const Item& item, std::string name, const char* kind,
                         const ExplanationText& text) {
    ItemAssumption row{std::move(name), kind, {}, {}, {}, {}};
    if (item.initialAmount != 0) {
        row.initial = text.amount(item.initialAmount);
        if (item.initialDate.IsValid())
            row.initial += " in " + Number(item.initialDate.GetYear());
    }
    if (item.annualAmount != 0) {
        row.annual = text.amount(item.annualAmount);
        if (item.annualStart.IsValid() && item.annualEnd.IsValid())
            row.years =
                Number(item.annualStart.GetYear()) + " to " + Number(item.annualEnd.GetYear());
    }
    return row;
}

std::string Growth(const ScheduledAmounts& item, const ExplanationText& text) {
    if (item.annualAmount == 0 || item.growthRate == 0)
        return {};
    return "Annual amount growing " + Percent(item.growthRate, text) + " a year. ";
}

std::string IncomeDetails(const IncomeItem& item, const ExplanationText& text) {
    std::string details = Growth(item, text);
    if (item.rateBefore == item.rateAfter || !item.rateSwitchDate.IsValid())
        details += "Interest " + Percent(item.rateAfter, text) + ". ";
    else
        details += "Interest " + Percent(item.rateBefore, text) + " before " +
                   Number(item.rateSwitchDate.GetYear()) + ", " + Percent(item.rateAfter, text) +
                   " from then on. ";
    details += item.taxable ? "Credits taxed as income. " : "Credits not taxed. ";
    details += item.withdrawalTaxable ? "Withdrawals taxed" : "Withdrawals not taxed";
    // An invalid start counts as the year -1: the account is open from the first year.
    details += item.withdrawalStart.IsValid()
                   ? ", open from " + Number(item.withdrawalStart.GetYear()) + "."
                   : ", open from the first year.";
    return details;
}

} // namespace

std::vector<std::string> GeneralAssumptions(const Plan& plan, const ExplanationText& text) {
    const std::string born = plan.birthDate.IsValid()
                                 ? "Born in " + Number(plan.birthDate.GetYear())
                                 : "No birth date entered, so the report shows no ages";
    std::string retiring = born + "; retiring at " + Number(plan.retirementAge);
    if (plan.retirementDate.IsValid())
        retiring += ", in " + Number(plan.retirementDate.GetYear());
    std::vector<std::string> sentences{retiring + "."};
    sentences.push_back("Income tax " + Percent(plan.taxRateBefore, text) + " before retirement, " +
                        Percent(plan.taxRateAfter, text) + " from the retirement year on.");
    return sentences;
}

std::vector<std::string> RuleSentences() {
    return {
        "Interest and the tax on withdrawals count in whole percents, the fraction dropped: an "
        "interest rate of 5.9 % earns 5 %.",
        "Expenses are paid only by withdrawing from accounts open for withdrawal, the one with "
        "the lowest interest rate first.",
        "A taxed withdrawal is grossed up so that what is left after the tax pays the expenses.",
        "The projection runs at most " + Number(ProjectionTable::kMaxRows) +
            " years and ends with the first year whose expenses cannot all be paid.",
    };
}

std::vector<ItemAssumption> ItemAssumptions(const Plan& plan, const ExplanationText& text) {
    std::vector<ItemAssumption> rows;
    rows.reserve(plan.incomes.size() + plan.expenses.size());
    for (std::size_t i = 0; i < plan.incomes.size(); ++i) {
        const IncomeItem& item = plan.incomes[i];
        rows.push_back(Scheduled(item, ItemName(item.name, ItemList::Income, i), "Income", text));
        rows.back().details = IncomeDetails(item, text);
    }
    for (std::size_t i = 0; i < plan.expenses.size(); ++i) {
        const ExpenseItem& item = plan.expenses[i];
        rows.push_back(
            Scheduled(item, ItemName(item.name, ItemList::Expenses, i), "Expense", text));
        std::string growth = Growth(item, text);
        if (!growth.empty())
            growth.pop_back();
        rows.back().details = growth;
    }
    return rows;
}

std::optional<std::string> ItemMoneyNote(std::optional<std::int32_t> todaysMoneyYear) {
    if (!todaysMoneyYear)
        return std::nullopt;
    return "The items' amounts are as the plan gives them, in the money of their own years, not "
           "in " +
           Number(*todaysMoneyYear) + " money.";
}

std::string ItemsAtTheEndNote(std::size_t items, const ExplanationText& text) {
    return "The plan's " + text.amount(static_cast<std::int64_t>(items)) +
           " items are listed at the end of the report.";
}

std::optional<std::string> ItemsLeftOutNote(std::size_t items, std::size_t listed,
                                            const ExplanationText& text) {
    if (items <= listed)
        return std::nullopt;
    return "The first " + text.amount(static_cast<std::int64_t>(listed)) + " of the plan's " +
           text.amount(static_cast<std::int64_t>(items)) +
           " items are listed here; the plan file holds them all.";
}
