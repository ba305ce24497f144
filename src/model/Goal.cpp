#include "model/Goal.h"

#include "model/WhatIf.h"
#include "model/WorkerThreads.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <new>
#include <vector>

namespace {

// Paths a worker takes at a time: small, so that a pass that has learned enough stops soon.
constexpr std::int32_t kPathsPerBlock = 16;
constexpr std::int32_t kPlannedPercent = 100;
constexpr std::int32_t kNoneLasts = -1;
constexpr std::int32_t kNoneFails = kMaxSpendingPercent + 1;

// What the passes share. A path lasts at every spending below one it lasts at (no path has
// been seen to do otherwise), so each path keeps the spendings known to last and known not to,
// and a spending is run only on the paths it says something new of. Every path writes only its
// own slots.
struct GoalWork {
    const Plan& plan;
    const GoalSettings& settings;
    StopToken stop;
    const RiskProgress& progress;
    unsigned threads;
    // Each path's returns, drawn once for all its runs.
    std::vector<ReturnOffsets> offsets;
    std::vector<std::int32_t> lasting;
    std::vector<std::int32_t> failing;
    // Whether the run at `lasting` lasted only by stopping at the calculation limit.
    std::vector<char> limitAtLasting;
    // At the planned expenses: the age in the last paid year, times two, plus one for a path
    // that never ran out, so that one ranks above a path that ran out at the same age.
    std::vector<std::int64_t> plannedReach;
    std::int32_t passesDone = 0;
    std::atomic<bool> failed{false};

    std::int32_t Paths() const { return settings.risk.paths; }

    void Record(std::int32_t path, std::int32_t percent, PathOutcome outcome) {
        const auto k = static_cast<std::size_t>(path);
        if (outcome == PathOutcome::Fails) {
            failing[k] = std::min(failing[k], percent);
        } else if (percent > lasting[k]) {
            lasting[k] = percent;
            limitAtLasting[k] = outcome == PathOutcome::StoppedAtLimit ? 1 : 0;
        }
    }
};

// Runs `one` on each listed path, a block at a time on the work's threads, until every one
// has run or `enough` says the pass has learned what it asks. False when the engine's memory
// could not be had or the run was asked to stop.
bool RunPass(GoalWork& work, const std::vector<std::int32_t>& paths,
             const std::function<std::optional<PathOutcome>(std::int32_t)>& one,
             const std::function<bool()>& enough) {
    const auto count = static_cast<std::int32_t>(paths.size());
    const std::int32_t before = work.passesDone * work.Paths();
    std::atomic<std::int32_t> nextBlock{0};
    std::atomic<std::int32_t> done{0};
    RunOnThreads(work.threads, static_cast<unsigned>(count / kPathsPerBlock + 1), [&] {
        for (;;) {
            const std::int32_t first = nextBlock.fetch_add(1) * kPathsPerBlock;
            if (first >= count || work.failed.load() || work.stop.stop_requested() || enough())
                return;
            const std::int32_t end = std::min(count, first + kPathsPerBlock);
            for (std::int32_t i = first; i < end; ++i) {
                const std::int32_t path = paths[static_cast<std::size_t>(i)];
                const std::optional<PathOutcome> outcome = one(path);
                if (!outcome) {
                    work.failed.store(true);
                    return;
                }
            }
            const std::int32_t doneNow = done.fetch_add(end - first) + (end - first);
            if (work.progress)
                work.progress(before + (work.Paths() - count) + doneNow);
        }
    });
    ++work.passesDone;
    return !work.failed.load() && !work.stop.stop_requested();
}

// Every path at the planned expenses, projected whole for the age its money lasts to.
bool RunPlanned(GoalWork& work) {
    std::vector<std::int32_t> all(static_cast<std::size_t>(work.Paths()));
    for (std::size_t k = 0; k < all.size(); ++k)
        all[k] = static_cast<std::int32_t>(k);
    const RiskSettings& risk = work.settings.risk;
    const std::int32_t birthYear = work.plan.birthDate.GetYear();
    return RunPass(
        work, all,
        [&](std::int32_t path) -> std::optional<PathOutcome> {
            const auto k = static_cast<std::size_t>(path);
            work.offsets[k] = PathOffsets(risk.seed, risk.spread, path);
            const std::optional<PathProjection> projection =
                ProjectPath(work.plan, work.offsets[k], risk.untilAge);
            if (!projection)
                return std::nullopt;
            const ProjectionTable& table = projection->table;
            // A path that ran out paid up to the year before; one stopped at the limit
            // paid every row it has, as did one that never ran out.
            const bool ranOut = projection->firstUncoveredYear && !projection->stoppedAtLimit;
            const std::int32_t lastPaidYear =
                ranOut ? *projection->firstUncoveredYear - 1 : table.firstYear + table.rowCount - 1;
            work.plannedReach[k] = std::int64_t{lastPaidYear - birthYear} * 2 + (ranOut ? 0 : 1);
            work.Record(path, kPlannedPercent, projection->outcome);
            return projection->outcome;
        },
        [] { return false; });
}

// The paths whose outcome at the spending is not yet known.
std::vector<std::int32_t> Unknown(const GoalWork& work, std::int32_t percent) {
    std::vector<std::int32_t> paths;
    for (std::int32_t k = 0; k < work.Paths(); ++k)
        if (work.lasting[static_cast<std::size_t>(k)] < percent &&
            percent < work.failing[static_cast<std::size_t>(k)])
            paths.push_back(k);
    return paths;
}

// Runs the paths at the spending up to the age, and no further, with the outcome recorded.
std::optional<PathOutcome> RunAt(GoalWork& work, const Plan& variant, std::int32_t percent,
                                 std::int32_t path) {
    const std::optional<PathProjection> projection = ProjectPath(
        variant, work.offsets[static_cast<std::size_t>(path)], work.settings.risk.untilAge, false);
    if (!projection)
        return std::nullopt;
    work.Record(path, percent, projection->outcome);
    return projection->outcome;
}

// Whether at least `needed` paths last at the spending; empty when the run could not finish.
// The pass ends as soon as the count is settled either way.
std::optional<bool> EnoughLast(GoalWork& work, std::int32_t percent, std::int32_t needed) {
    const std::optional<Plan> variant = ExpensesAt(work.plan, percent);
    if (!variant) {
        // Expenses beyond 32 bits: no path pays its first year.
        ++work.passesDone;
        return false;
    }
    std::atomic<std::int32_t> lasts{static_cast<std::int32_t>(std::count_if(
        work.lasting.begin(), work.lasting.end(),
        [percent](std::int32_t known) { return known >= percent; }))};
    std::atomic<std::int32_t> fails{static_cast<std::int32_t>(
        std::count_if(work.failing.begin(), work.failing.end(),
                      [percent](std::int32_t known) { return known <= percent; }))};
    const std::int32_t mayFail = work.Paths() - needed;
    const auto settled = [&] { return lasts.load() >= needed || fails.load() > mayFail; };
    const bool finished = RunPass(
        work, Unknown(work, percent),
        [&](std::int32_t path) {
            const std::optional<PathOutcome> outcome = RunAt(work, *variant, percent, path);
            if (outcome)
                (*outcome == PathOutcome::Fails ? fails : lasts).fetch_add(1);
            return outcome;
        },
        settled);
    if (!finished)
        return std::nullopt;
    return lasts.load() >= needed;
}

// The paths that last at the spending only by stopping at the calculation limit.
std::optional<std::int32_t> StoppedAtLimit(GoalWork& work, std::int32_t percent) {
    const std::optional<Plan> variant = ExpensesAt(work.plan, percent);
    if (!variant)
        return 0;
    std::atomic<std::int32_t> count{0};
    std::vector<std::int32_t> toRun;
    for (std::int32_t k = 0; k < work.Paths(); ++k) {
        const auto slot = static_cast<std::size_t>(k);
        if (work.lasting[slot] == percent)
            count.fetch_add(work.limitAtLasting[slot] != 0 ? 1 : 0);
        else if (work.failing[slot] > percent)
            toRun.push_back(k);
    }
    const bool finished = RunPass(
        work, toRun,
        [&](std::int32_t path) {
            const std::optional<PathOutcome> outcome = RunAt(work, *variant, percent, path);
            if (outcome == PathOutcome::StoppedAtLimit)
                count.fetch_add(1);
            return outcome;
        },
        [] { return false; });
    if (!finished)
        return std::nullopt;
    return count.load();
}

GoalStatus Search(GoalWork& work, GoalAnswer& answer) {
    const auto paths = static_cast<std::size_t>(work.Paths());
    work.offsets.resize(paths);
    work.lasting.assign(paths, kNoneLasts);
    work.failing.assign(paths, kNoneFails);
    work.limitAtLasting.assign(paths, 0);
    work.plannedReach.assign(paths, 0);
    if (!RunPlanned(work))
        return work.failed.load() ? GoalStatus::CannotCalculate : GoalStatus::Stopped;
    const auto rank = work.plannedReach.begin() + (answer.needed - 1);
    std::nth_element(work.plannedReach.begin(), rank, work.plannedReach.end(),
                     std::greater<std::int64_t>());
    answer.lastsToAge = static_cast<std::int32_t>(*rank >> 1);
    answer.toTheEnd = (*rank & 1) != 0;

    // Bisection over the spendings between the largest known to be enough and the smallest
    // known not to be, starting from the planned expenses.
    std::int32_t enough = kNoneLasts;
    std::int32_t tooMuch = kNoneFails;
    const auto lastingAtPlanned =
        std::count_if(work.lasting.begin(), work.lasting.end(),
                      [](std::int32_t s) { return s >= kPlannedPercent; });
    (lastingAtPlanned >= answer.needed ? enough : tooMuch) = kPlannedPercent;
    while (tooMuch - enough > 1) {
        const std::int32_t percent = enough + (tooMuch - enough) / 2;
        const std::optional<bool> lasts = EnoughLast(work, percent, answer.needed);
        if (!lasts)
            return work.failed.load() ? GoalStatus::CannotCalculate : GoalStatus::Stopped;
        (*lasts ? enough : tooMuch) = percent;
    }
    if (enough != kNoneLasts)
        answer.spending = enough;
    const std::optional<std::int32_t> atLimit =
        StoppedAtLimit(work, std::max(enough, std::int32_t{0}));
    if (!atLimit)
        return work.failed.load() ? GoalStatus::CannotCalculate : GoalStatus::Stopped;
    answer.stoppedAtLimit = *atLimit;
    return GoalStatus::Done;
}

} // namespace

std::int32_t NeededPaths(std::int32_t confidence, std::int32_t paths) {
    return static_cast<std::int32_t>((std::int64_t{confidence} * paths + 99) / 100);
}

GoalSettings WithinRanges(GoalSettings settings) {
    settings.risk = WithinRanges(settings.risk);
    settings.confidence = std::clamp(settings.confidence, kMinGoalConfidence, kMaxGoalConfidence);
    return settings;
}

std::int32_t GoalProgressTotal(const GoalSettings& settings) {
    return kGoalPasses * WithinRanges(settings).risk.paths;
}

GoalAnswer RunGoal(const Plan& plan, const GoalSettings& settings, StopToken stop,
                   const RiskProgress& progress, unsigned threads) {
    GoalAnswer answer;
    answer.settings = WithinRanges(settings);
    answer.needed = NeededPaths(answer.settings.confidence, answer.settings.risk.paths);
    if (!plan.birthDate.IsValid()) {
        answer.status = GoalStatus::InvalidBirthDate;
        return answer;
    }
    GoalWork work{plan, answer.settings, stop, progress, threads, {}, {}, {}, {}, {}};
    try {
        answer.status = Search(work, answer);
    } catch (const std::bad_alloc&) {
        answer.status = GoalStatus::CannotCalculate;
    }
    if (answer.status != GoalStatus::Done) {
        // A run cut short answers nothing.
        GoalAnswer unanswered;
        unanswered.status = answer.status;
        unanswered.settings = answer.settings;
        unanswered.needed = answer.needed;
        answer = unanswered;
    }
    return answer;
}
