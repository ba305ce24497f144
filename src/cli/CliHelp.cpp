#include "cli/CliHelp.h"

namespace {

constexpr const char* kHelp =
    R"(Usage: orbelan-cli project [--csv | --json] FILE
       orbelan-cli explain FILE YEAR [--todays-money RATE]
       orbelan-cli explain --json [--pretty] FILE
       orbelan-cli check FILE
       orbelan-cli sustain FILE [--until-age N]
       orbelan-cli sensitivity FILE
       orbelan-cli risk FILE [--paths N] [--spread P] [--seed S] [--until-age A]
                        [--json | --path K]
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
                      at a yearly inflation of RATE percent (0 to 100),
                      rounded so that they still add up.
      --json          (explain --json FILE) Print the whole projection as JSON,
                      each year with its breakdown: covered, unpaid, incomes,
                      expenses and draws, items by their 0-based position.
                      Written compactly, one year at a time.
      --pretty        (with --json) Indent the JSON, one value a line.
  check FILE          Tell whether FILE opens cleanly, is damaged (and from
                      which line), or cannot be opened. For a clean file, then
                      print each problem that makes its projection meaningless
                      or surprising, with its fix, on a line starting
                      "warning: "; the status stays 0.
  sustain FILE        Print the largest spending, as a whole percentage from 0
                      to 1000 of the planned expenses, that the plan covers in
                      every year up to the birth year + N:
                      "sustainable spending to age N: S%".
      --until-age N   The age N (default 95).
  sensitivity FILE    Print as CSV the horizon (the last year whose expenses
                      are paid in full) with interest rates moved by -3 to +3
                      points (rows) and expenses at 70% to 130% (columns).
  report FILE OUT.pdf Write the window's PDF report of FILE's projection: a
                      summary (how long the money lasts, sustainable
                      spending), the assumptions with every item, the chart
                      and the table with an Age column, with the table's
                      headings on every page and page numbers.
      --todays-money RATE
                      Show the amounts in today's money at a yearly inflation
                      of RATE percent (0 to 100); the report says so.
      --until-age A   (with report) The age that sustainable spending and the
                      risk share are worked out to (default 95).
      --risk          (with report) Add the share of 1000 paths (spread 10
                      points, seed 1) whose money lasts to age A, as risk
                      works it out.
      --compare OTHER.Orbe
                      (with report, up to three times) Add a page comparing
                      FILE with the other plans as compare does, on its
                      default paths and to age A.
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
      --paths N       The number of paths, 1 to 100000 (default 1000).
      --spread P      The spread in whole points, 0 to 50 (default 10).
      --seed S        The seed, 0 to 18446744073709551615 (default 1): the
                      same seed gives the same paths on any machine.
      --until-age A   The age A (default 95).
      --json          Print one JSON object instead: paths, spread, seed,
                      untilAge, horizonYear, successes, stoppedAtLimit and
                      "years", each with year, paths (with a row that year),
                      ranOut, beyondLimit, p10, p50 and p90 (null where it
                      falls beyond the calculation limit).
      --path K        Print path K (0 to N - 1) as project --csv does, with a
                      sixth column Returns holding each year's offset (+3).
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
A projection whose amounts leave the range -2147483648 to 2147483647 stops
before that year; its earlier rows are printed and standard error says so.
A file that cannot be opened is named on standard error with the reason.
Everything after -- is a file, even a name that begins with -; a negative
number is never taken for an option.
risk and sustain show how far they have come on standard error when it is a
terminal, and first how long they will take when that is long; Ctrl+C stops
them.

Exit status:
  0  success (a damaged file that was projected included)
  1  FILE cannot be opened, or is not a plan file; sustain, risk: the plan's
     birth date is invalid; sustain, sensitivity, risk: the plan has no first
     year, which they say instead of an answer
  2  bad usage
  3  check: FILE is damaged; explain: YEAR is the year whose amounts stopped the
     projection at the calculation limit
  4  the calculation could not be done, or any command ran out of memory
  5  save, report: OUT could not be written
  130  risk, sustain: stopped by Ctrl+C
)";

} // namespace

void PrintHelp(std::ostream& out) {
    out << kHelp;
}
