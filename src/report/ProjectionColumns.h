#pragma once

#include <array>
#include <string_view>

// The headings of the projection's columns, left to right, wherever a table of it is shown:
// the list, the CSV, orbelan-cli's table and the report.
inline constexpr std::array<std::string_view, 5> kProjectionColumns{
    "Year", "Income", "Total Assets", "Available Assets", "Withdrawals"};
