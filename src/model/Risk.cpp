#include "model/Risk.h"

#include "model/WhatIf.h"
#include "model/WorkerThreads.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <new>
#include <tuple>
#include <utility>

namespace {

// The generator every path draws from: splitmix64, fixed so that a path can be recomputed
// anywhere from its seed alone.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t state) : m_state(state) {}

    std::uint64_t Next() {
        m_state += 0x9E3779B97F4A7C15u;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1) from the top 53 bits.
    double NextUniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

constexpr std::int32_t kUniformsPerOffset = 12;
// Paths a worker takes at a time: few enough to share the work evenly, many enough that the
// shared counter and the progress report cost nothing next to the projections.
constexpr std::int32_t kPathsPerBlock = 64;
constexpr std::int32_t kNoFailure = std::numeric_limits<std::int32_t>::max();

// How a path ranks for the worst and median path: failing paths first by the year they fail,
// then the others by their final Total Assets, those stopped at the limit above them all, then
// by path number.
struct PathRank {
    std::int32_t failureYear = kNoFailure;
    bool stoppedAtLimit = false;
    std::int32_t finalAssets = 0;
    std::int32_t path = 0;

    auto operator<=>(const PathRank& other) const = default;
};

// What the working threads share. Every path writes only its own slots, so the result does
// not depend on which thread ran it.
struct RiskWork {
    const Plan& plan;
    const RiskSettings& settings;
    StopToken stop;
    const RiskProgress& progress;
    // Row r of path k at values[r * paths + k]; rowCounts[k] says which rows path k has.
    std::vector<std::int32_t> values;
    std::vector<std::int32_t> rowCounts;
    // Whether path k's projection ended at the calculation limit rather than by running out
    // (or at its last possible row).
    std::vector<char> atLimit;
    std::vector<PathRank> ranks;
    std::vector<PathOutcome> outcomes;
    std::atomic<std::int32_t> nextBlock{0};
    std::atomic<std::int32_t> pathsDone{0};
    std::atomic<bool> failed{false};
};

void RunPaths(RiskWork& work) {
    const std::int32_t paths = work.settings.paths;
    for (;;) {
        const std::int32_t first = work.nextBlock.fetch_add(1) * kPathsPerBlock;
        if (first >= paths || work.failed.load() || work.stop.stop_requested())
            return;
        const std::int32_t end = std::min(paths, first + kPathsPerBlock);
        for (std::int32_t k = first; k < end; ++k) {
            const std::optional<PathProjection> path =
                ProjectPath(work.plan, PathOffsets(work.settings.seed, work.settings.spread, k),
                            work.settings.untilAge);
            if (!path) {
                work.failed.store(true);
                return;
            }
            const auto slot = static_cast<std::size_t>(k);
            const ProjectionTable& table = path->table;
            for (std::int32_t r = 0; r < table.rowCount; ++r) {
                work.values[static_cast<std::size_t>(r) * static_cast<std::size_t>(paths) + slot] =
                    table.rows[static_cast<std::size_t>(r)].totalAssets;
            }
            work.rowCounts[slot] = table.rowCount;
            work.atLimit[slot] = path->stoppedAtLimit ? 1 : 0;
            const std::int32_t finalAssets =
                table.rowCount > 0
                    ? table.rows[static_cast<std::size_t>(table.rowCount - 1)].totalAssets
                    : 0;
            work.ranks[slot] = {path->outcome == PathOutcome::Fails ? *path->firstUncoveredYear
                                                                    : kNoFailure,
                                path->stoppedAtLimit, finalAssets, k};
            work.outcomes[slot] = path->outcome;
        }
        const std::int32_t done = work.pathsDone.fetch_add(end - first) + (end - first);
        if (work.progress)
            work.progress(done);
    }
}

// The percentiles of each year that some path has, over every path.
std::vector<RiskYear> YearPercentiles(RiskWork& work, std::int32_t firstYear) {
    const auto paths = static_cast<std::size_t>(work.settings.paths);
    const auto lastRows =
        static_cast<std::size_t>(*std::max_element(work.rowCounts.begin(), work.rowCounts.end()));
    std::vector<RiskYear> years;
    for (std::size_t r = 0; r < lastRows; ++r) {
        const auto begin = work.values.begin() + static_cast<std::ptrdiff_t>(r * paths);
        auto end = begin;
        RiskYear year;
        year.year = firstYear + static_cast<std::int32_t>(r);
        for (std::size_t k = 0; k < paths; ++k)
            if (static_cast<std::size_t>(work.rowCounts[k]) > r)
                *end++ = begin[static_cast<std::ptrdiff_t>(k)];
            else if (work.atLimit[k] != 0)
                ++year.beyondLimit;
            else
                ++year.ranOut;
        year.paths = static_cast<std::int32_t>(end - begin);
        end = std::fill_n(end, year.ranOut, 0);
        std::tie(year.p10, year.p50, year.p90) =
            PercentilesOverPaths(std::span<std::int32_t>(work.values.data() + r * paths,
                                                         static_cast<std::size_t>(end - begin)),
                                 year.beyondLimit);
        years.push_back(year);
    }
    return years;
}

// The path at the p-th percentile of the ranking.
std::int32_t PathAtRank(std::vector<PathRank>& ranks, std::int32_t p) {
    const auto at = ranks.begin() + static_cast<std::ptrdiff_t>(NearestRankIndex(p, ranks.size()));
    std::nth_element(ranks.begin(), at, ranks.end());
    return at->path;
}

} // namespace

std::int32_t SuccessTenths(const RiskSummary& summary) {
    const std::int64_t paths = std::max(summary.settings.paths, 1);
    return static_cast<std::int32_t>((std::int64_t{summary.successes} * 2000 + paths) /
                                     (paths * 2));
}

RiskPercentiles PercentilesOverPaths(std::span<std::int32_t> amounts, std::int32_t beyondLimit) {
    const std::size_t paths = amounts.size() + static_cast<std::size_t>(beyondLimit);
    const auto begin = amounts.begin();
    const auto end = amounts.end();
    const auto at = [&](std::int32_t p) {
        return begin + static_cast<std::ptrdiff_t>(NearestRankIndex(p, paths));
    };
    RiskPercentiles percentiles;
    auto& [p10, p50, p90] = percentiles;
    // A rank past the amounts falls on a path beyond the limit. The median first splits the
    // amounts, so the other two search only their side.
    auto below = end;
    if (at(50) < end) {
        std::nth_element(begin, at(50), end);
        p50 = *at(50);
        below = at(50);
    }
    if (at(10) < end) {
        std::nth_element(begin, at(10), below);
        p10 = *at(10);
    }
    if (at(90) < end) {
        std::nth_element(at(50), at(90), end);
        p90 = *at(90);
    }
    return percentiles;
}

std::size_t NearestRankIndex(std::int32_t p, std::size_t m) {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(p) * m + 99) / 100) - 1;
}

ReturnOffsets PathOffsets(std::uint64_t seed, std::int32_t spread, std::int32_t path) {
    SplitMix64 random(seed ^ (static_cast<std::uint64_t>(path) * 0xD1B54A32D192ED03u));
    ReturnOffsets offsets{};
    for (std::int32_t& offset : offsets) {
        double sum = 0.0;
        for (std::int32_t u = 0; u < kUniformsPerOffset; ++u)
            sum += random.NextUniform();
        const double z = sum - 6.0;
        offset = static_cast<std::int32_t>(std::round(static_cast<double>(spread) * z));
    }
    return offsets;
}

std::optional<PathProjection> ProjectPath(const Plan& plan, const ReturnOffsets& offsets,
                                          std::int32_t untilAge, bool wholeProjection) {
    PathProjection path;
    const ProjectionOutcome outcome =
        wholeProjection ? Calculate(plan, path.table, offsets)
                        : Calculate(plan, path.table, offsets, plan.birthDate.GetYear() + untilAge);
    if (outcome.status == ProjectionStatus::AllocationFailed)
        return std::nullopt;
    const Reach reach = ReachOf(path.table, outcome);
    path.firstUncoveredYear = reach.firstUncoveredYear;
    path.stoppedAtLimit = outcome.status == ProjectionStatus::AmountOutOfRange;
    if (!CoveredThroughAge(reach, plan, untilAge))
        path.outcome = path.stoppedAtLimit ? PathOutcome::StoppedAtLimit : PathOutcome::Fails;
    return path;
}

RiskSettings WithinRanges(RiskSettings settings) {
    settings.paths = std::clamp(settings.paths, kMinRiskPaths, kMaxRiskPaths);
    settings.spread = std::clamp(settings.spread, 0, kMaxRiskSpread);
    settings.untilAge = std::clamp(settings.untilAge, 0, kMaxUntilAge);
    return settings;
}

RiskSummary RunRisk(const Plan& plan, const RiskSettings& settings, StopToken stop,
                    const RiskProgress& progress, unsigned threads) {
    RiskSummary summary;
    summary.settings = WithinRanges(settings);
    if (!plan.birthDate.IsValid()) {
        summary.status = RiskStatus::InvalidBirthDate;
        return summary;
    }
    summary.horizonYear = plan.birthDate.GetYear() + summary.settings.untilAge;
    const auto paths = static_cast<std::size_t>(summary.settings.paths);
    RiskWork work{plan, summary.settings, stop, progress, {}, {}, {}, {}, {}};
    try {
        work.values.resize(paths * static_cast<std::size_t>(ProjectionTable::kMaxRows));
        work.rowCounts.resize(paths);
        work.atLimit.resize(paths);
        work.ranks.resize(paths);
        work.outcomes.resize(paths);
    } catch (const std::bad_alloc&) {
        summary.status = RiskStatus::CannotCalculate;
        return summary;
    }
    RunOnThreads(threads, static_cast<unsigned>((summary.settings.paths - 1) / kPathsPerBlock + 1),
                 [&work] { RunPaths(work); });
    if (work.failed.load()) {
        summary.status = RiskStatus::CannotCalculate;
        return summary;
    }
    if (work.pathsDone.load() < summary.settings.paths) {
        summary.status = RiskStatus::Stopped;
        return summary;
    }
    summary.successes = static_cast<std::int32_t>(
        std::count(work.outcomes.begin(), work.outcomes.end(), PathOutcome::Succeeds));
    summary.stoppedAtLimit = static_cast<std::int32_t>(
        std::count(work.outcomes.begin(), work.outcomes.end(), PathOutcome::StoppedAtLimit));
    summary.years = YearPercentiles(work, FirstProjectionYear(plan));
    summary.worstPath = PathAtRank(work.ranks, 10);
    summary.medianPath = PathAtRank(work.ranks, 50);
    summary.outcomes = std::move(work.outcomes);
    return summary;
}
