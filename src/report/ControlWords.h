#pragma once

#include <string_view>

// The names that screen readers give the views' parts and the tips their controls show, in
// UTF-8: the window's panes and the browser's views give each part the same words.

// The bar that shows the plan's problems one at a time, and its two buttons.
inline constexpr std::string_view kPlanCheckName = "Plan check";
inline constexpr std::string_view kNextProblemTip = "Show the next problem of the plan";
inline constexpr std::string_view kFixProblemTip = "Go to the field to change";

// The projection's table, and its chart.
inline constexpr std::string_view kProjectionName = "Projection";
inline constexpr std::string_view kProjectionChartName = "Projection chart";
inline constexpr std::string_view kYearDetailsName = "Year details";

// What If's parts.
inline constexpr std::string_view kSustainAgeName = "Sustainable spending to age";
inline constexpr std::string_view kGridName = "Sensitivity grid";
inline constexpr std::string_view kGridLegendName = "Colours of the grid";
inline constexpr std::string_view kTodaysMoneyTip =
    "Show the chart and Year Details in this year's money, discounted by the inflation";
inline constexpr std::string_view kInflationName = "Inflation for today's money";
inline constexpr std::string_view kInflationTip =
    "The yearly inflation that today's money discounts by";

// A long run's progress, the Risk view's and the comparison's, and its Cancel button.
inline constexpr std::string_view kPathsDoneName = "Paths done";
inline constexpr std::string_view kComparisonDoneName = "Comparison done";
inline constexpr std::string_view kCancelRunTip = "Stop working out the answer";

inline constexpr std::string_view kScenarioFiguresName = "The plans compared";
