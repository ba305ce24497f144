#include "report/PlanChecks.h"

#include "model/Projection.h"
#include "model/ProjectionTable.h"
#include "report/DisplayName.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <locale>
#include <sstream>
#include <string_view>
#include <utility>

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// A rate as the dialogs show it, to six digits: 52.5, 60.
std::string Rate(float rate) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << rate;
    return text.str();
}

const char* PartName(PlanPart part) {
    switch (part) {
    case PlanPart::GeneralData:
        return "General Data";
    case PlanPart::Income:
        return "Income";
    case PlanPart::Expenses:
        return "Expenses";
    }
    return "";
}

// NUL, a carriage return and their kind: other programs cut a name short at them or hide
// them, and a terminal acts on them.
bool HasControlBytes(const std::string& bytes) {
    return std::any_of(
        bytes.begin(), bytes.end(),
        [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return (byte < 0x20 && byte != '\t') || byte == 0x7F;
        });
}

// An item as a sentence names it; one whose name holds control bytes goes by its place, so
// that the sentence never carries them.
std::string NameOf(const ScheduledAmounts& item, PlanPart part, std::size_t index) {
    const ItemList list = part == PlanPart::Income ? ItemList::Income : ItemList::Expenses;
    return ItemName(HasControlBytes(item.name) ? std::string_view() : item.name, list, index);
}

// Keeps the first problems up to its limit and only counts the rest, so that a plan of
// millions of items never holds a sentence for each.
class ProblemList {
public:
    explicit ProblemList(std::size_t keep = 1) : m_keep(keep) {}

    void Add(PlanPart part, std::optional<std::size_t> item, const char* field, std::string problem,
             const std::string& fix) {
        Add({part, item, field,
             std::move(problem) + ": " + fix + " under " + PartName(part) + "."});
    }
    void Add(PlanProblem problem) {
        if (m_found.problems.size() < m_keep)
            m_found.problems.push_back(std::move(problem));
        else
            ++m_found.more;
    }
    PlanCheck Take() { return std::move(m_found); }

private:
    std::size_t m_keep;
    PlanCheck m_found;
};

bool HasExpenseIn(const ExpenseItem& item, std::int32_t year) {
    return (item.initialAmount != 0 && item.initialDate.GetYear() == year) ||
           (item.annualAmount != 0 && item.annualStart.GetYear() <= year &&
            year <= item.annualEnd.GetYear());
}

// As the engine counts it, an invalid date's year -1 opens the item in every year.
bool AnyOpenForWithdrawal(const Plan& plan, std::int32_t year) {
    for (const IncomeItem& income : plan.incomes)
        if (year >= income.withdrawalStart.GetYear())
            return true;
    return false;
}

// The account to open first: the first that holds money from the start, else the first item.
std::optional<std::size_t> AccountToOpen(const Plan& plan) {
    for (std::size_t i = 0; i < plan.incomes.size(); ++i)
        if (plan.incomes[i].initialAmount > 0)
            return i;
    if (plan.incomes.empty())
        return std::nullopt;
    return 0;
}

void CheckExpensesBeforeWithdrawal(const Plan& plan, ProblemList& problems) {
    const std::int32_t firstYear = FirstProjectionYear(plan);
    std::optional<std::int32_t> from;
    std::int32_t to = 0;
    std::vector<bool> falls(plan.expenses.size(), false);
    for (std::int32_t year = firstYear; year < firstYear + ProjectionTable::kMaxRows; ++year) {
        if (AnyOpenForWithdrawal(plan, year))
            continue;
        bool any = false;
        for (std::size_t i = 0; i < plan.expenses.size(); ++i) {
            if (HasExpenseIn(plan.expenses[i], year)) {
                falls[i] = true;
                any = true;
            }
        }
        if (!any)
            continue;
        if (!from)
            from = year;
        to = year;
    }
    if (!from)
        return;
    std::size_t expense = 0;
    while (!HasExpenseIn(plan.expenses[expense], *from))
        ++expense;
    const auto otherExpenses =
        static_cast<std::size_t>(std::count(falls.begin(), falls.end(), true)) - 1;
    std::string what = NameOf(plan.expenses[expense], PlanPart::Expenses, expense);
    if (otherExpenses > 0)
        what += " and " + Number(static_cast<std::int64_t>(otherExpenses)) +
                (otherExpenses == 1 ? " other" : " others");
    const std::string years = *from == to ? Number(*from) : Number(*from) + " to " + Number(to);
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    const bool stopsThere = outcome.status == ProjectionStatus::Completed &&
                            !outcome.lastRowCovered &&
                            table.firstYear + table.rowCount - 1 == *from;
    problems.Add(PlanPart::Income, AccountToOpen(plan), "withdrawalStart",
                 "Expenses fall in " + years + " (" + what +
                     ") while no income item is open for withdrawal, so the projection " +
                     (stopsThere ? "stops in " : "can go no further than ") + Number(*from),
                 "open an account for withdrawal from " + Number(*from) +
                     " with the Start Date of its Eligible Withdrawals");
}

// One date of an item, with how a sentence names it.
struct DatedField {
    const char* field;
    const char* subject;
    const PlanDate& date;
};

void CheckDates(const std::vector<DatedField>& dates, const std::string& name, PlanPart part,
                std::size_t index, const Plan& plan, ProblemList& problems) {
    const std::int32_t birthYear = plan.birthDate.GetYear();
    for (const DatedField& dated : dates) {
        if (!dated.date.IsValid()) {
            problems.Add(part, index, dated.field,
                         "In " + name + ", the " + dated.subject + " is not a valid date",
                         "enter it again");
            return;
        }
        if (plan.birthDate.IsValid() && dated.date.GetYear() < birthYear) {
            problems.Add(part, index, dated.field,
                         "In " + name + ", the " + dated.subject + ", " +
                             Number(dated.date.GetYear()) + ", lies before the birth year " +
                             Number(birthYear),
                         "change it");
            return;
        }
    }
}

void CheckAnnualOrder(const ScheduledAmounts& item, const std::string& name, PlanPart part,
                      std::size_t index, ProblemList& problems) {
    if (item.annualAmount == 0 || !item.annualStart.IsValid() || !item.annualEnd.IsValid() ||
        item.annualEnd.GetYear() >= item.annualStart.GetYear())
        return;
    problems.Add(part, index, "annualEnd",
                 "In " + name + ", the annual amount ends in " + Number(item.annualEnd.GetYear()) +
                     ", before it starts in " + Number(item.annualStart.GetYear()) +
                     ", so it is never counted",
                 "change its End Date");
}

void CheckRate(float rate, const char* field, const char* subject, const char* when,
               const std::string& name, PlanPart part, std::size_t index, ProblemList& problems) {
    if (rate >= kSteepRate)
        problems.Add(part, index, field,
                     "In " + name + ", the " + subject + " of " + Rate(rate) + " %" + when +
                         " makes amounts reach the calculation limit within a few decades",
                     "enter a rate below 50 %");
    else if (rate < kLowestRate)
        problems.Add(part, index, field,
                     "In " + name + ", the " + subject + " of " + Rate(rate) + " %" + when +
                         " takes away more than the whole amount each year",
                     "enter a rate of -100 % or more");
}

void CheckTaxRate(float rate, const char* field, const char* when, ProblemList& problems) {
    if (rate >= 0.0f && rate <= 100.0f)
        return;
    problems.Add(PlanPart::GeneralData, std::nullopt, field,
                 "The tax rate " + std::string(when) + " of " + Rate(rate) +
                     " % lies outside 0 to 100 %, so tax " +
                     (rate > 100.0f ? "takes more than the whole of each taxed amount"
                                    : "adds to each taxed amount instead of taking from it"),
                 "enter the share of income paid in tax");
}

// The dates that count: an amount's dates only when it has an amount.
std::vector<DatedField> AmountDates(const ScheduledAmounts& item) {
    std::vector<DatedField> dates;
    if (item.initialAmount != 0)
        dates.push_back({"initialDate", "initial amount's date", item.initialDate});
    if (item.annualAmount != 0) {
        dates.push_back({"annualStart", "annual amount's start date", item.annualStart});
        dates.push_back({"annualEnd", "annual amount's end date", item.annualEnd});
    }
    return dates;
}

void CheckNamed(const ScheduledAmounts& item, PlanPart part, std::size_t index,
                ProblemList& problems) {
    if (item.name.empty())
        problems.Add(part, index, "name", NameOf(item, part, index) + " has no name",
                     "enter one so that the item can be told apart");
    else if (HasControlBytes(item.name))
        problems.Add(part, index, "name",
                     "The name of " + NameOf(item, part, index) +
                         " holds control characters (such as NUL or a carriage return), which "
                         "other programs cut short or hide",
                     "type the name again");
}

// The engine taxes every year from the retirement date's year at the rate after retirement, so
// a salary left running past it (the age changed, its dates not) is taxed as a pension would be.
void CheckPaidPastRetirement(const Plan& plan, std::size_t index, ProblemList& problems) {
    const IncomeItem& item = plan.incomes[index];
    const std::int32_t retirementYear = plan.retirementDate.GetYear();
    if (!item.taxable || item.annualAmount == 0 || !plan.retirementDate.IsValid() ||
        !item.annualStart.IsValid() || !item.annualEnd.IsValid() ||
        item.annualStart.GetYear() >= retirementYear || item.annualEnd.GetYear() < retirementYear)
        return;
    const std::int32_t lastYear = item.annualEnd.GetYear();
    const std::int32_t years = lastYear - retirementYear + 1;
    problems.Add(
        PlanPart::Income, index, "annualEnd",
        "In " + NameOf(item, PlanPart::Income, index) + ", the taxable annual amount runs to " +
            Number(lastYear) + ", " + Number(years) + (years == 1 ? " year" : " years") +
            " past the retirement in " + Number(retirementYear) +
            ", taxed at the rate after retirement",
        "end it in " + Number(retirementYear - 1) + " with its End Date if it stops at retirement");
}

std::string DateText(const PlanDate& date) {
    if (!date.IsValid())
        return "not a valid date";
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.GetYear()),
                  static_cast<int>(date.GetMonth()), static_cast<int>(date.GetDay()));
    return text;
}

// The file keeps the retirement date apart from the age it comes from; an edited file can
// disagree, and the date, not the age, decides the year the tax rate changes.
void CheckRetirementDate(const Plan& plan, ProblemList& problems) {
    if (!plan.birthDate.IsValid())
        return;
    Plan derived;
    derived.birthDate = plan.birthDate;
    derived.SetRetirementAge(plan.retirementAge);
    if (derived.retirementDate == plan.retirementDate)
        return;
    problems.Add(PlanPart::GeneralData, std::nullopt, "retirementAge",
                 "The stored retirement date, " + DateText(plan.retirementDate) +
                     ", is not the birth date plus the retirement age of " +
                     Number(plan.retirementAge) + ", " + DateText(derived.retirementDate) +
                     ", and the tax rate changes by the stored date",
                 "confirm the Retirement Age with OK");
}

void CheckIncome(const Plan& plan, std::size_t index, ProblemList& problems) {
    const IncomeItem& item = plan.incomes[index];
    const PlanPart part = PlanPart::Income;
    const std::string name = NameOf(item, part, index);
    CheckNamed(item, part, index, problems);
    std::vector<DatedField> dates = AmountDates(item);
    if (item.rateBefore != item.rateAfter)
        dates.push_back({"rateSwitchDate", "interest rate's switch date", item.rateSwitchDate});
    dates.push_back({"withdrawalStart", "withdrawal start date", item.withdrawalStart});
    CheckDates(dates, name, part, index, plan, problems);
    CheckAnnualOrder(item, name, part, index, problems);
    CheckPaidPastRetirement(plan, index, problems);
    CheckRate(item.growthRate, "growthRate", "growth rate", "", name, part, index, problems);
    CheckRate(item.rateBefore, "rateBefore", "interest rate", " before the switch", name, part,
              index, problems);
    CheckRate(item.rateAfter, "rateAfter", "interest rate", " after the switch", name, part, index,
              problems);
}

void CheckExpense(const Plan& plan, std::size_t index, ProblemList& problems) {
    const ExpenseItem& item = plan.expenses[index];
    const PlanPart part = PlanPart::Expenses;
    const std::string name = NameOf(item, part, index);
    CheckNamed(item, part, index, problems);
    CheckDates(AmountDates(item), name, part, index, plan, problems);
    CheckAnnualOrder(item, name, part, index, problems);
    CheckRate(item.growthRate, "growthRate", "growth rate", "", name, part, index, problems);
}

} // namespace

std::optional<PlanProblem> BirthDateProblem(const Plan& plan) {
    if (plan.birthDate.IsValid())
        return std::nullopt;
    return InvalidBirthDateProblem();
}

PlanProblem InvalidBirthDateProblem() {
    ProblemList problems;
    problems.Add(PlanPart::GeneralData, std::nullopt, "birthDate",
                 "The birth date is not a valid date, so no age and no retirement year can be "
                 "known",
                 "enter it again");
    return problems.Take().problems.front();
}

std::optional<PlanProblem> NoFirstYearProblem(const Plan& plan) {
    if (FirstProjectionYear(plan) != 0)
        return std::nullopt;
    ProblemList problems;
    if (plan.incomes.empty())
        problems.Add(PlanPart::Income, std::nullopt, "initialAmount",
                     "The plan has no income item, so the projection has no first year and runs "
                     "from year 0",
                     "add an account with what it holds today as its Initial Amount");
    else
        problems.Add(PlanPart::Income, 0, "initialAmount",
                     "No income item has an initial amount above 0, so the projection has no "
                     "first year and runs from year 0",
                     "enter what an account holds today as its Initial Amount");
    return problems.Take().problems.front();
}

PlanCheck CheckPlan(const Plan& plan, std::size_t keep) {
    ProblemList problems(keep);
    if (std::optional<PlanProblem> birthDate = BirthDateProblem(plan))
        problems.Add(std::move(*birthDate));
    if (plan.retirementAge < kEarliestRetirementAge || plan.retirementAge > kLatestRetirementAge)
        problems.Add(PlanPart::GeneralData, std::nullopt, "retirementAge",
                     "The retirement age " + Number(plan.retirementAge) + " lies outside " +
                         Number(kEarliestRetirementAge) + " to " + Number(kLatestRetirementAge),
                     "enter the age at which work stops");
    CheckTaxRate(plan.taxRateBefore, "taxRateBefore", "before retirement", problems);
    CheckTaxRate(plan.taxRateAfter, "taxRateAfter", "after retirement", problems);
    CheckRetirementDate(plan, problems);
    if (std::optional<PlanProblem> noFirstYear = NoFirstYearProblem(plan))
        problems.Add(std::move(*noFirstYear));
    else
        CheckExpensesBeforeWithdrawal(plan, problems);
    for (std::size_t i = 0; i < plan.incomes.size(); ++i)
        CheckIncome(plan, i, problems);
    for (std::size_t i = 0; i < plan.expenses.size(); ++i)
        CheckExpense(plan, i, problems);
    return problems.Take();
}

std::vector<PlanProblem> CheckPlan(const Plan& plan) {
    return CheckPlan(plan, std::numeric_limits<std::size_t>::max()).problems;
}

std::string MoreProblemsSentence(std::size_t more) {
    return "And " + Number(static_cast<std::int64_t>(more)) +
           (more == 1 ? " more problem like these." : " more problems like these.");
}
