#pragma once

#include "model/Plan.h"
#include "report/YearExplanation.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The assumptions a report states, UTF-8: the plan's general data, the rules of the engine that
// shape its figures, and every item with all that the projection takes from it.

// Birth year, retirement and the two income tax rates.
std::vector<std::string> GeneralAssumptions(const Plan& plan, const ExplanationText& text);

// One sentence for each rule of the engine a reader could not guess from the plan.
std::vector<std::string> RuleSentences();

// One item as the report's item table shows it.
struct ItemAssumption {
    std::string name;
    // "Income" or "Expense".
    std::string kind;
    // "5,000 in 2026", or empty when the item has no initial amount.
    std::string initial;
    // Empty when the item has no annual amount.
    std::string annual;
    // The annual period, "2026 to 2040", only for an item with an annual amount.
    std::string years;
    // Growth, interest rates with their switch year, taxes and the withdrawal start, or empty.
    std::string details;

    bool operator==(const ItemAssumption& other) const = default;
};

// Every income item in list order, then every expense item.
std::vector<ItemAssumption> ItemAssumptions(const Plan& plan, const ExplanationText& text);

// Said above the item table when the report shows today's money: the items keep the amounts
// the plan gives them.
std::optional<std::string> ItemMoneyNote(std::optional<std::int32_t> todaysMoneyYear);

// Said where the assumptions would list the items of a plan whose items come last.
std::string ItemsAtTheEndNote(std::size_t items, const ExplanationText& text);

// Said above the item table of a plan with more items than the report lists; empty otherwise.
std::optional<std::string> ItemsLeftOutNote(std::size_t items, std::size_t listed,
                                            const ExplanationText& text);
