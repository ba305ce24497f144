#include "wasm/FirstPlanJson.h"

#include "wasm/PlanJson.h"

#include <cstdint>
#include <limits>

namespace {

using Json = nlohmann::json;

const char* PartName(PlanPart part) {
    switch (part) {
    case PlanPart::GeneralData:
        return "general";
    case PlanPart::Income:
        return "income";
    case PlanPart::Expenses:
        return "expenses";
    }
    return "";
}

// A member that is an integer inside the range, or nothing.
std::optional<std::int64_t> Whole(const Json& json, const char* key, std::int64_t low,
                                  std::int64_t high) {
    const auto found = json.find(key);
    if (found == json.end() || !found->is_number_integer())
        return std::nullopt;
    const auto value = found->get<std::int64_t>();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

Json PlanChecksJson(const std::vector<PlanProblem>& problems) {
    Json list = Json::array();
    for (const PlanProblem& problem : problems)
        list.push_back({{"part", PartName(problem.part)},
                        {"item", problem.item ? Json(*problem.item) : Json(nullptr)},
                        {"field", problem.field},
                        {"sentence", problem.sentence}});
    return list;
}

Json AnswersToJson(const PlanAnswers& answers) {
    return {{"birthYear", answers.birthDate.GetYear()},
            {"retirementAge", answers.retirementAge},
            {"savings", answers.savings},
            {"savingsInterest", RateBits(answers.savingsInterest)},
            {"salary", answers.salary},
            {"salaryGrowth", RateBits(answers.salaryGrowth)},
            {"livingCosts", answers.livingCosts},
            {"pension", answers.pension},
            {"pensionAge", answers.pensionAge}};
}

std::optional<PlanAnswers> AnswersFromJson(const Json& json) {
    if (!json.is_object())
        return std::nullopt;
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    const auto birthYear = Whole(json, "birthYear", kLow, kHigh);
    const auto retirementAge = Whole(json, "retirementAge", kLow, kHigh);
    const auto savings = Whole(json, "savings", kLow, kHigh);
    const auto savingsInterest = Whole(json, "savingsInterest", 0, 0xFFFFFFFF);
    const auto salary = Whole(json, "salary", kLow, kHigh);
    const auto salaryGrowth = Whole(json, "salaryGrowth", 0, 0xFFFFFFFF);
    const auto livingCosts = Whole(json, "livingCosts", kLow, kHigh);
    const auto pension = Whole(json, "pension", kLow, kHigh);
    const auto pensionAge = Whole(json, "pensionAge", kLow, kHigh);
    if (!birthYear || !retirementAge || !savings || !savingsInterest || !salary || !salaryGrowth ||
        !livingCosts || !pension || !pensionAge)
        return std::nullopt;
    PlanAnswers answers;
    answers.birthDate.SetDate(static_cast<std::int32_t>(*birthYear), 1, 1);
    answers.retirementAge = static_cast<std::int32_t>(*retirementAge);
    answers.savings = static_cast<std::int32_t>(*savings);
    answers.savingsInterest = RateFromBits(static_cast<std::uint32_t>(*savingsInterest));
    answers.salary = static_cast<std::int32_t>(*salary);
    answers.salaryGrowth = RateFromBits(static_cast<std::uint32_t>(*salaryGrowth));
    answers.livingCosts = static_cast<std::int32_t>(*livingCosts);
    answers.pension = static_cast<std::int32_t>(*pension);
    answers.pensionAge = static_cast<std::int32_t>(*pensionAge);
    return answers;
}
