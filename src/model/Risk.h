#pragma once

#include "model/Plan.h"
#include "model/Projection.h"
#include "model/ProjectionTable.h"
#include "model/StopToken.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

// Returns that vary year by year: many seeded paths of the plan, each projected by the one
// engine with every income item's interest rates moved by that path's offset of the year.
// Every path is reproducible from (seed, spread, path number) alone, on any machine.

inline constexpr std::int32_t kMinRiskPaths = 1;
inline constexpr std::int32_t kMaxRiskPaths = 100000;
inline constexpr std::int32_t kMaxRiskSpread = 50;
inline constexpr std::int32_t kDefaultRiskSpread = 10;
// The numbers of paths the windows offer, the first by default.
inline constexpr std::array<std::int32_t, 2> kRiskPathChoices{1000, 10000};

struct RiskSettings {
    std::int32_t paths = kRiskPathChoices[0];
    // Whole points of interest, 0 to kMaxRiskSpread.
    std::int32_t spread = kDefaultRiskSpread;
    std::uint64_t seed = 1;
    std::int32_t untilAge = kDefaultUntilAge;

    bool operator==(const RiskSettings& other) const = default;
};

// The offsets in whole points of path `path` for each of the table's rows; they do not depend
// on the plan. ReturnOffsets comes with the engine, which applies them.
ReturnOffsets PathOffsets(std::uint64_t seed, std::int32_t spread, std::int32_t path);

enum class PathOutcome {
    // A row of a year up to the birth year + the age is uncovered.
    Fails,
    // Did not fail, and the projection stopped at the 32-bit limit in or before that year.
    StoppedAtLimit,
    Succeeds,
};

// One path's projection and outcome; empty when the engine's working memory cannot be had.
// Without wholeProjection it ends after the year of the age, all that the outcome needs.
struct PathProjection {
    ProjectionTable table;
    // The year of the first uncovered row, or where the amounts left 32 bits.
    std::optional<std::int32_t> firstUncoveredYear;
    bool stoppedAtLimit = false;
    PathOutcome outcome = PathOutcome::Succeeds;
};
std::optional<PathProjection> ProjectPath(const Plan& plan, const ReturnOffsets& offsets,
                                          std::int32_t untilAge, bool wholeProjection = true);

// Percentiles of Total Assets, by nearest rank, over every path of the run: a path that ran out
// counts 0 in the years after its last row, and one that stopped at the calculation limit ranks
// above every amount in the years after its last row.
struct RiskYear {
    std::int32_t year = 0;
    // The paths with a row in the year.
    std::int32_t paths = 0;
    // The paths that ended before the year by running out, and at the calculation limit.
    std::int32_t ranOut = 0;
    std::int32_t beyondLimit = 0;
    // Empty where the percentile falls on a path beyond the limit: it has no amount.
    std::optional<std::int32_t> p10;
    std::optional<std::int32_t> p50;
    std::optional<std::int32_t> p90;

    bool operator==(const RiskYear& other) const = default;
};

enum class RiskStatus { Done, InvalidBirthDate, CannotCalculate, Stopped };

struct RiskSummary {
    RiskStatus status = RiskStatus::Done;
    RiskSettings settings;
    // The birth year + the age.
    std::int32_t horizonYear = 0;
    std::int32_t successes = 0;
    // The paths that stopped at the calculation limit before the age: neither lasting nor
    // failing.
    std::int32_t stoppedAtLimit = 0;
    // From the first year to the last year any path reaches.
    std::vector<RiskYear> years;
    // The path whose failure year, or else final Total Assets, is the 10th percentile, and the
    // one that is the median: what "Show the worst path" and "Show the median path" open. A
    // path that stopped at the limit ranks above every path that did not.
    std::int32_t worstPath = 0;
    std::int32_t medianPath = 0;
    // Each path's outcome by its number: what lets two plans be compared path by path.
    std::vector<PathOutcome> outcomes;

    bool operator==(const RiskSummary& other) const = default;
};

// The share of the paths that succeed in tenths of a percent, halves rounded up: 873 for
// 87.3 %.
std::int32_t SuccessTenths(const RiskSummary& summary);

// The index of the p-th percentile by nearest rank among m >= 1 values sorted ascending:
// ceil(p * m / 100) - 1.
std::size_t NearestRankIndex(std::int32_t p, std::size_t m);

// The 10th, 50th and 90th percentile by nearest rank over the amounts of some paths (reordered)
// and beyondLimit more paths that rank above every amount; empty where the rank falls on one of
// those.
using RiskPercentiles = std::tuple<std::optional<std::int32_t>, std::optional<std::int32_t>,
                                   std::optional<std::int32_t>>;
RiskPercentiles PercentilesOverPaths(std::span<std::int32_t> amounts, std::int32_t beyondLimit);

// Called now and then from the working threads, possibly from two at once, with the number of
// paths done so far.
using RiskProgress = std::function<void(std::int32_t pathsDone)>;

// The settings with paths, spread and age outside their ranges brought to the nearest end.
RiskSettings WithinRanges(RiskSettings settings);

// Runs every path on `threads` threads (0: as many as the machine has; 1: on the calling
// thread); the summary does not depend on the number of threads. Paths, spread and age
// are brought within their ranges (WithinRanges), as the summary's settings show.
RiskSummary RunRisk(const Plan& plan, const RiskSettings& settings, StopToken stop = {},
                    const RiskProgress& progress = {}, unsigned threads = 0);
