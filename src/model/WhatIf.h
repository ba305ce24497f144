#pragma once

#include "model/Plan.h"
#include "model/Projection.h"
#include "model/ProjectionTable.h"
#include "model/StopToken.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Variants of a plan and how far they carry. Every variant is a changed copy of the plan,
// projected by the one engine; the plan itself never changes.

// Every expense item's initial and annual amount at percent % of itself, rounded as the
// engine rounds; empty when an amount would leave 32 bits.
std::optional<Plan> ExpensesAt(const Plan& plan, std::int32_t percent);

// Every income item's two interest rates moved by points (a single-precision sum).
Plan ReturnsMovedBy(const Plan& plan, std::int32_t points);

// Both at once; empty when the expenses cannot be scaled.
std::optional<Plan> PlanVariant(const Plan& plan, std::int32_t expensesPercent,
                                std::int32_t returnPoints);

// How far a projection carries its plan.
struct Reach {
    Reach() = default;
    // The limit year is rarely known: most reaches are written without it.
    Reach(std::int32_t horizonYear, std::optional<std::int32_t> uncovered,
          std::optional<std::int32_t> limit = std::nullopt)
        : horizon(horizonYear), firstUncoveredYear(uncovered), limitYear(limit) {}

    // The year of the last covered row; the first year - 1 when no row is covered.
    std::int32_t horizon = 0;
    // The year whose expenses could not all be paid, or where the amounts left 32 bits.
    std::optional<std::int32_t> firstUncoveredYear;
    // The year whose amounts left 32 bits, when the projection stopped there: every year before
    // it was covered, so the money lasts at least until the horizon.
    std::optional<std::int32_t> limitYear;

    bool operator==(const Reach& other) const = default;
};

// The reach of a finished projection.
Reach ReachOf(const ProjectionTable& table, const ProjectionOutcome& outcome);

// Projects a variant; empty when the engine's working memory cannot be had. A variant whose
// expenses cannot be scaled is uncovered from its first year.
std::optional<Reach> ProjectReach(const std::optional<Plan>& variant, std::int32_t firstYear);
// The same, leaving the variant's projection in table (empty for a variant that cannot be
// scaled).
std::optional<Reach> ProjectReach(const std::optional<Plan>& variant, std::int32_t firstYear,
                                  ProjectionTable& table);

// The plan's age in the year; empty when its birth date is invalid or the year comes before the
// birth year (a new plan's projection runs from year 0), so that no age is ever negative.
std::optional<std::int32_t> AgeIn(const Plan& plan, std::int32_t year);

// True when no year up to and including the plan's birth year + age is uncovered.
bool CoveredThroughAge(const Reach& reach, const Plan& plan, std::int32_t age);

// The horizon as the grid and orbelan-cli write it: the year, followed by "+" when the
// projection stopped at the calculation limit ("2039+": at least until 2039).
std::string HorizonLabel(const Reach& reach);

// Where a horizon stands against the plan's milestones, on a scale that does not depend on the
// other horizons it is shown with.
enum class HorizonBand {
    // The money runs out before the retirement year.
    BeforeRetirement,
    // It lasts past retirement but runs out before the age asked for.
    BeforeAge,
    // It lasts to the age asked for, or to the end of the projection.
    Lasting,
    // The projection stopped at the calculation limit before the age asked for (or, with no
    // age known, at all): the money lasts at least until then, and how much longer is unknown.
    UntilLimit,
    // The plan's birth date is invalid, so neither milestone is known; or the age asked for
    // comes before the projection's first year, where every reach would be Lasting.
    Unknown,
};

HorizonBand BandOf(const Reach& reach, const Plan& plan, std::int32_t age);

inline constexpr std::int32_t kMaxSpendingPercent = 1000;

// The ranges the What If views move the plan's expenses (percent of the planned) and returns
// (points) over.
inline constexpr std::int32_t kMinWhatIfExpenses = 50;
inline constexpr std::int32_t kMaxWhatIfExpenses = 150;
inline constexpr std::int32_t kMaxWhatIfReturns = 5;

enum class SustainStatus {
    Found,
    // Not even spending nothing is covered to that age.
    NoneCovered,
    // Nothing is covered to that age, but with no expenses the projection stops at the
    // calculation limit before it with every reached year covered: whether it lasts is unknown.
    StopsAtLimit,
    // The plan has no age: its birth date is invalid.
    InvalidBirthDate,
    // The engine's working memory could not be had.
    CannotCalculate,
    // The stop token asked to give up.
    Stopped,
};

struct SustainableSpending {
    SustainStatus status = SustainStatus::Found;
    // With Found: the largest whole percent of the planned expenses, 0 to 1000, that is
    // covered through the age.
    std::int32_t percent = 0;
    // With StopsAtLimit: the year that could not be calculated.
    std::int32_t limitYear = 0;

    bool operator==(const SustainableSpending& other) const = default;
};

// The spendings tried from the top down, one projection each: what progress counts to.
inline constexpr std::int32_t kSpendingsToTry = kMaxSpendingPercent + 1;
// Called after each spending tried with how many have been tried so far.
using SpendingProgress = std::function<void(std::int32_t tried)>;

// On `threads` threads (0: as many as the machine has); the answer does not depend on them.
SustainableSpending FindSustainableSpending(const Plan& plan, std::int32_t age, StopToken stop = {},
                                            const SpendingProgress& progress = {},
                                            unsigned threads = 1);

// The sensitivity grid: the reach for returns moved by each of kGridReturnPoints
// (rows) and expenses at each of kGridExpensePercents (columns).
inline constexpr std::array<std::int32_t, 7> kGridReturnPoints{-3, -2, -1, 0, 1, 2, 3};
inline constexpr std::array<std::int32_t, 7> kGridExpensePercents{70, 80, 90, 100, 110, 120, 130};
using HorizonGrid =
    std::array<std::array<Reach, kGridExpensePercents.size()>, kGridReturnPoints.size()>;

// Empty when the engine's memory cannot be had or the stop token asked to give up.
std::optional<HorizonGrid> SensitivityGrid(const Plan& plan, StopToken stop = {});
