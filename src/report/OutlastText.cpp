#include "report/OutlastText.h"

std::optional<std::int32_t> NamedAge(const Plan& plan, std::int32_t year) {
    const std::optional<std::int32_t> age = AgeIn(plan, year);
    if (!age || *age > kOldestNamedAge)
        return std::nullopt;
    return age;
}

std::optional<std::int32_t> OutlastedExpensesEnd(const Reach& reach,
                                                 std::optional<std::int32_t> lastExpenseYear) {
    if (reach.firstUncoveredYear || reach.limitYear || !lastExpenseYear ||
        *lastExpenseYear > reach.horizon)
        return std::nullopt;
    return lastExpenseYear;
}

std::string OutlastsSentence(const Plan& plan, std::int32_t lastExpenseYear) {
    const std::optional<std::int32_t> age = NamedAge(plan, lastExpenseYear);
    return "The money outlasts the plan's expenses, which end in " +
           std::to_string(lastExpenseYear) + (age ? ", at age " + std::to_string(*age) : "");
}

std::string OutlastsLabel(std::int32_t lastExpenseYear) {
    return "beyond " + std::to_string(lastExpenseYear) + ", its last expense";
}
