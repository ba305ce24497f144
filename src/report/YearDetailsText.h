#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What Year Details says around its lines (report/YearExplanation), in the window and the
// browser alike.

// The heading of the lines' names, "Item", and of the amounts: "Amount", or "Amount in 2026
// money" in today's money.
std::string ItemHeading();
std::string AmountHeading(std::optional<std::int32_t> todaysMoneyYear);

// In place of the lines, before the plan is calculated, and once it is, before a year is chosen.
std::string YearDetailsNeedsCalculationText();
std::string ChooseYearText();
