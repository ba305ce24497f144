#include "cli/CliHelp.h"

#include "cli/TodaysMoneyOption.h"
#include "model/Goal.h"
#include "model/Plan.h"
#include "model/Risk.h"
#include "model/Scenarios.h"
#include "model/TodaysMoney.h"
#include "model/WhatIf.h"
#include "report/PlanChecks.h"
#include "report/SignedPoints.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

namespace {

// The usage, and compare's and report's refusals, spell the plans compared out: A B [C [D]],
// two to four, up to three others.
static_assert(kMaxScenarios == 4);
static_assert(kSteepRate == static_cast<std::int32_t>(kSteepRate));

// Every limit and default is a {name} that PrintHelp fills in from the constants the core
// keeps to, so that the text cannot fall behind them.
constexpr std::string_view kHelp =
    R"(Usage: orbelan-cli project [--csv | --json] FILE
       orbelan-cli explain FILE YEAR [--todays-money RATE]
       orbelan-cli explain --json [--pretty] FILE
       orbelan-cli check FILE
       orbelan-cli sustain FILE [--until-age N]
       orbelan-cli sensitivity FILE
       orbelan-cli risk FILE [--paths N] [--spread P] [--seed S] [--until-age A]
                        [--json | --path K]
       orbelan-cli goal FILE [--confidence C] [--until-age A] [--paths N]
                        [--spread P] [--seed S] [--json]
       orbelan-cli compare A B [C [D]] [--paths N] [--spread P] [--seed S]
                           [--until-age A] [--json | --csv]
       orbelan-cli save IN OUT
       orbelan-cli report FILE OUT.pdf [--todays-money RATE] [--until-age A]
                          [--risk] [--compare OTHER.Orbe]...
       orbelan-cli --help
       orbelan-cli --version

Projects an Orbelan plan file (.Orbe) without opening a window.

Commands:
  project FILE        Open FILE, project it year by year and print one row per
                      year under the headings Year, Income, Total Assets,
                      Available Assets and Withdrawals.
      --csv           Print the header line
                      "Year,Income,Total Assets,Available Assets,Withdrawals"
                      and one line of plain integers per row instead.
      --json          Print the rows as one JSON object instead: firstYear,
                      rowCount, stoppedAtLimit and "years", each row with
                      year, income, totalAssets, availableAssets, withdrawals.
  explain FILE YEAR   Show how every number of YEAR's row came about, in the
                      lines of the window's Year Details: each item's credits,
                      interest, tax, balance after credits and withdrawals,
                      the expenses, each withdrawal, and whether they were
                      paid.
      --todays-money RATE
                      (explain FILE YEAR) Show the amounts in today's money
                      at a yearly inflation of RATE percent (0 to {maxInflation}),
                      rounded so that they still add up.
      --json          (explain --json FILE) Print the whole projection as JSON,
                      each year with its breakdown: covered, unpaid, incomes,
                      expenses and draws, items by their 0-based position.
                      Written compactly, one year at a time.
      --pretty        (with --json) Indent the JSON, one value a line.
  check FILE          Tell whether FILE opens cleanly, is damaged (and from
                      which line), or cannot be opened. For a clean file, then
                      print each problem that makes its projection meaningless
                      or surprising (such as a retirement age outside {retirementAges}
                      or a rate of {steepRate} % or more), with its fix, on a line
                      starting "warning: "; the status stays 0.
  sustain FILE        Print the largest spending, as a whole percentage from 0
                      to {maxSpending} of the planned expenses, that the plan covers in
                      every year up to the birth year + N:
                      "sustainable spending to age N: S%".
      --until-age N   The age N, 0 to {maxAge} (default {defaultAge}).
  sensitivity FILE    Print as CSV the horizon (the last year whose expenses
                      are paid in full) with interest rates moved by {gridReturns}
                      points (rows) and expenses at {gridExpenses} (columns).
  report FILE OUT.pdf Write the window's PDF report of FILE's projection: a
                      summary (how long the money lasts, sustainable
                      spending), the assumptions with every item, the chart
                      and the table with an Age column, with the table's
                      headings on every page and page numbers.
      --todays-money RATE
                      Show the amounts in today's money at a yearly inflation
                      of RATE percent (0 to {maxInflation}); the report says so.
      --until-age A   (with report) The age that sustainable spending and the
                      risk share are worked out to, 0 to {maxAge} (default {defaultAge}).
      --risk          (with report) Add the share of {defaultPaths} paths (spread {defaultSpread}
                      points, seed {defaultSeed}) whose money lasts to age A, as risk
                      works it out.
      --compare OTHER.Orbe
                      (with report, up to three times) Draw the other plans'
                      Total Assets on the chart, over all their years, and
                      add a page comparing FILE with them as compare does,
                      on its default paths and to age A.
  risk FILE           Project N paths whose interest rates are moved each year
                      by a seeded offset of about P points. Print the share
                      of paths whose money lasts to age A, as
                      "The money lasts to age A in S of N paths: X %", and
                      the 10th, 50th and 90th percentile of Total Assets over
                      every path in every tenth year (a path that ran out
                      counts 0, one stopped at the calculation limit ranks
                      above every amount). A path fails when a year up to the
                      birth year + A is not paid in full; one stopped at the
                      limit before then counts neither way.
      --paths N       The number of paths, {minPaths} to {maxPaths} (default {defaultPaths}).
      --spread P      The spread in whole points, 0 to {maxSpread} (default {defaultSpread}).
      --seed S        The seed, 0 to {maxSeed} (default {defaultSeed}): the
                      same seed gives the same paths on any machine.
      --until-age A   The age A, 0 to {maxAge} (default {defaultAge}).
      --json          Print one JSON object instead: paths, spread, seed,
                      untilAge, horizonYear, successes, stoppedAtLimit and
                      "years", each with year, paths (with a row that year),
                      ranOut, beyondLimit, p10, p50 and p90 (null where it
                      falls beyond the calculation limit).
      --path K        Print path K (0 to N - 1) as project --csv does, with a
                      sixth column Returns holding each year's offset (+3).
  goal FILE           Over the same seeded paths as risk draws them, print the
                      largest spending, as a whole percentage from 0 to {maxSpending}
                      of the planned expenses, at which at least C % of the
                      paths last to age A, and the age the money lasts to at
                      the planned expenses on as many paths: "At 90 %
                      confidence (900 of 1,000 paths, spread 10 points, seed
                      1): spending up to 96 % of the planned expenses lasts
                      to age 95. At the planned expenses the money lasts to
                      age 88." A path that stops at the calculation limit
                      before age A with every year paid counts as lasting.
                      --paths, --spread, --seed and --until-age as for risk.
      --confidence C  The confidence, a whole percent from {minConfidence} to {maxConfidence}
                      (default {defaultConfidence}).
      --json          (with goal) Print one JSON object instead: confidence,
                      untilAge, paths, spread, seed, needed (the paths that
                      must last), spending (null when none lasts), lastsToAge,
                      toTheEnd and stoppedAtLimit.
  compare A B [C [D]] Compare two to four plans as scenarios, each run on the
                      same seeded paths as risk draws them (path K of every
                      plan is risk --path K of that plan). Print for each plan
                      its first year, years projected, the year the money
                      lasts until, sustainable spending to age A and the paths
                      that last, then for each pair: "B lasts in 126 paths
                      where A runs out; A lasts in 3 paths where B runs out;
                      both last in 612, neither in 259."
                      --paths, --spread, --seed and --until-age as for risk.
      --json          (with compare) Print one JSON object instead: untilAge,
                      paths, spread, seed, "plans" (file, firstYear, rowCount,
                      lastsUntil, horizonYear, sustainable,
                      sustainableStopsAtLimit, successes, stoppedAtLimit) and
                      "pairs" (first, second, both, onlyFirst, onlySecond,
                      neither).
      --csv           (with compare) Print Year and a column per plan headed
                      Total Assets (NAME), a line per year any plan reaches.
  save IN OUT         Open IN as the program opens a plan and save it to OUT
                      as the program's Save does (a name ending in ".Orb" is
                      saved as ".Orbe"); the reason of a failure goes to
                      standard error.

A damaged file (one whose values cannot all be read) still projects, with
default values for what could not be read; a warning goes to standard error.
A projection whose amounts leave the range {moneyRange} stops
before that year; its earlier rows are printed and standard error says so.
A file that cannot be opened is named on standard error with the reason.
Everything after -- is a file, even a name that begins with -; a negative
number is never taken for an option.
risk, goal and sustain show how far they have come on standard error when it
is a terminal, and first how long they will take when that is long; Ctrl+C
stops them.

Exit status:
  0  success (a damaged file that was projected included)
  1  FILE cannot be opened, or is not a plan file; sustain, risk, goal: the
     plan's birth date is invalid; sustain, sensitivity, risk, goal: the plan
     has no first year, which they say instead of an answer
  2  bad usage
  3  check: FILE is damaged; explain: YEAR is the year whose amounts stopped the
     projection at the calculation limit
  4  the calculation could not be done, or any command ran out of memory
  5  save, report: OUT could not be written
  130  risk, goal, sustain: stopped by Ctrl+C
)";

struct Filling {
    std::string_view name;
    std::string value;
};

std::string Range(const std::string& first, const std::string& last) {
    return first + " to " + last;
}

} // namespace

void PrintHelp(std::ostream& out) {
    using std::to_string;
    const RiskSettings risk;
    const Filling fillings[] = {
        {"maxSpending", to_string(kMaxSpendingPercent)},
        {"maxAge", to_string(kMaxUntilAge)},
        {"defaultAge", to_string(kDefaultUntilAge)},
        {"gridReturns",
         Range(SignedPoints(kGridReturnPoints.front()), SignedPoints(kGridReturnPoints.back()))},
        {"gridExpenses", Range(to_string(kGridExpensePercents.front()) + '%',
                               to_string(kGridExpensePercents.back()) + '%')},
        {"maxInflation", to_string(static_cast<std::int32_t>(kMaxShownInflation))},
        {"retirementAges",
         Range(to_string(kEarliestRetirementAge), to_string(kLatestRetirementAge))},
        {"steepRate", to_string(static_cast<std::int32_t>(kSteepRate))},
        {"minPaths", to_string(kMinRiskPaths)},
        {"maxPaths", to_string(kMaxRiskPaths)},
        {"defaultPaths", to_string(risk.paths)},
        {"maxSpread", to_string(kMaxRiskSpread)},
        {"defaultSpread", to_string(risk.spread)},
        {"maxSeed", to_string(std::numeric_limits<std::uint64_t>::max())},
        {"defaultSeed", to_string(risk.seed)},
        {"minConfidence", to_string(kMinGoalConfidence)},
        {"maxConfidence", to_string(kMaxGoalConfidence)},
        {"defaultConfidence", to_string(kDefaultGoalConfidence)},
        {"moneyRange", Range(to_string(std::numeric_limits<std::int32_t>::min()),
                             to_string(std::numeric_limits<std::int32_t>::max()))},
    };
    // A name without a filling stays as it is written, for the tests to find.
    std::string_view rest = kHelp;
    std::size_t open = rest.find('{');
    std::size_t close = rest.find('}', open);
    while (close != std::string_view::npos) {
        const std::string_view name = rest.substr(open + 1, close - open - 1);
        const auto filling = std::find_if(std::begin(fillings), std::end(fillings),
                                          [name](const Filling& f) { return f.name == name; });
        out << rest.substr(0, open)
            << (filling != std::end(fillings) ? std::string_view(filling->value)
                                              : rest.substr(open, close - open + 1));
        rest.remove_prefix(close + 1);
        open = rest.find('{');
        close = rest.find('}', open);
    }
    out << rest;
}
