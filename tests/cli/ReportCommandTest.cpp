#include "cli/CliCommands.h"
#include "cli/TodaysMoneyOption.h"
#include "model/WhatIf.h"
#include "persist/PlanFile.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ReportCommandTest : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // Writes the plan, reports it with the options given, and gives the exit status and the
    // report's text as pdftotext lays it out.
    std::pair<int, std::string> Report(const char* plan, std::vector<std::string> options = {}) {
        std::ofstream(Path("plan.Orbe"), std::ios::binary) << plan;
        std::vector<std::string> args{"report", Path("plan.Orbe"), Path("report.pdf")};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunCli(args, out, err);
        const std::string command =
            "pdftotext -layout '" + Path("report.pdf") + "' '" + Path("report.txt") + "'";
        if (status != 0 || std::system(command.c_str()) != 0)
            return {status, err.str()};
        std::ifstream text(Path("report.txt"));
        std::ostringstream lines;
        lines << text.rdbuf();
        return {status, lines.str()};
    }

    static std::string ExamplePlan() {
        std::ifstream example(std::string(ORBELAN_EXAMPLES_DIR) + "/retirement-example.Orbe",
                              std::ios::binary);
        std::ostringstream plan;
        plan << example.rdbuf();
        return plan.str();
    }

    // A folder of this run's own: a fixed name in /tmp is shared with every other run.
    const TemporaryDirectory m_folder;
    const fs::path m_dir = m_folder.Path();
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST_F(ReportCommandTest, HundredYearsFillFourPagesWithHeadingsOnEachOfTheTable) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh test";
    const auto [status, text] = Report(kHundredYearPlanFile, {"--todays-money", "2"});
    ASSERT_EQ(status, 0) << text;
    EXPECT_NE(text.find("Amounts in today's money: in "), std::string::npos) << text;
    EXPECT_NE(text.find("Savings"), std::string::npos);
    EXPECT_NE(text.find("1,000,000"), std::string::npos) << "the item's initial amount";
    int headings = 0;
    int rows = 0;
    for (const std::string& line : Lines(text)) {
        const std::string trimmed =
            line.substr(std::min(line.find_first_not_of(" \f"), line.size()));
        headings +=
            trimmed.starts_with("Year ") && trimmed.find("Withdrawals") != std::string::npos;
        const int year = std::atoi(trimmed.c_str());
        // A row, not the chart's axis: a year, then amounts grouped by thousands.
        rows += year >= 2025 && year <= 2124 && trimmed.find(',') != std::string::npos;
        EXPECT_EQ(line.find("..."), std::string::npos) << line;
        EXPECT_EQ(line.find("\u2026"), std::string::npos) << line;
    }
    EXPECT_EQ(headings, 4);
    EXPECT_EQ(rows, 100);
    EXPECT_NE(text.find("Page 1 of 4"), std::string::npos);
    EXPECT_NE(text.find("Page 4 of 4"), std::string::npos);

    // Every page of the table, not only the first, says which money its amounts are in, and
    // so does the chart's axis.
    const std::string money = std::to_string(CurrentYear()) + " money";
    std::istringstream pages(text);
    int pagesOfRows = 0;
    for (std::string page; std::getline(pages, page, '\f');) {
        if (page.find("Withdrawals") == std::string::npos)
            continue;
        ++pagesOfRows;
        EXPECT_NE(page.find("In " + money), std::string::npos) << page;
    }
    EXPECT_EQ(pagesOfRows, 4);
    EXPECT_NE(text.find("In " + money), std::string::npos) << "the chart's axis";
}

TEST_F(ReportCommandTest, TheLimitIsStatedAndBadUsageRefused) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh test";
    const auto [status, text] = Report(kLimitPlanFile);
    ASSERT_EQ(status, 0) << text;
    EXPECT_NE(text.find("Amounts as projected"), std::string::npos);
    EXPECT_NE(text.find("The money lasts at least until 2015 (age 55). The projection stops at"),
              std::string::npos)
        << text;

    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--todays-money", "two"},
          {"--todays-money", "20.5"},
          {"--todays-money"},
          {"--until-age", "1001"},
          {"--risk", "yes"},
          {"extra.pdf"}})
        EXPECT_EQ(Report(kLimitPlanFile, options).first, 2) << options.front();
}

TEST_F(ReportCommandTest, PlanFilesAreNeverReplacedByAReport) {
    const std::string plan = Path("plan.Orbe");
    std::ofstream(plan, std::ios::binary) << kHundredYearPlanFile;
    const std::string other = Path("other.Orbe");
    std::ofstream(other, std::ios::binary) << kLimitPlanFile;
    const std::string link = Path("link.pdf");
    fs::create_symlink(plan, link);
    for (const std::string& out : {plan, other, link}) {
        std::ostringstream ignored;
        std::ostringstream err;

        const std::vector<std::string> args{"report", plan, out};
        const int status = RunCli(args, ignored, err);

        EXPECT_EQ(status, 5) << out;
        EXPECT_EQ(err.str(), "Error saving file!\n" + out +
                                 ": is a plan file, which a report never replaces\n");
    }
    std::ifstream kept(plan, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), kHundredYearPlanFile);
    std::ifstream keptOther(other, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(keptOther), {}), kLimitPlanFile);
}

// The example's report: its summary first, the assumptions, the age beside each year, and the
// line that says when and by what it was made; a risk run adds its share of paths and what
// can be spent at 90 % confidence over them.
TEST_F(ReportCommandTest, SummaryAssumptionsAgesAndTheMakerAreSaid) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh";
    const std::string plan = ExamplePlan();
    const auto [status, text] = Report(plan.c_str(), {"--risk", "--until-age", "56"});
    ASSERT_EQ(status, 0) << text;
    // The words in reading order, one space apart: the layout spaces columns widely and wraps
    // sentences. The expected texts avoid "fi" and "ff", which the PDF writes as ligatures.
    std::string words;
    std::istringstream split(text);
    for (std::string word; split >> word;)
        words += word + ' ';
    const std::size_t made = words.find("Made on ");
    ASSERT_NE(made, std::string::npos) << words;
    const std::string date = words.substr(made + 8, 10);
    EXPECT_TRUE(date[4] == '-' && date[7] == '-' && std::atoi(date.c_str()) >= 2024) << date;
    EXPECT_NE(words.find("by Orbelan " ORBELAN_VERSION " Summary"), std::string::npos) << words;
    std::size_t at = made;
    for (const char* expected :
         {"Summary The money lasts until 2004 (age 56).",
          "falls short in 2005 (age 57) by 566: that year's expenses cannot all be paid.",
          "Sustainable spending to age 56:", "The money lasts to age 56 in ",
          "of 1,000 paths:", "spread of 10 points, seed 1).", "At 90 % con",
          "(900 of 1,000 paths, spread 10 points, seed 1): spending up to 84 % of "
          "the planned expenses lasts to age 56.",
          "At the planned expenses the money lasts to age 55.",
          "a projection under the assumptions stated in it, not",
          "Assumptions Born in 1948; retiring at 55, in 2003.",
          "the one with the lowest interest rate",
          "Savings Income 1,000 in 2000 Interest 5.9 % before 2002, 2.5 % from then on.",
          "Pension Income 1,000 2000 to 2001", "Chart",
          "Year Age Income Total Assets Available Assets Withdrawals", "2005 57 2 42 42 -608"}) {
        const std::size_t found = words.find(expected, at);
        EXPECT_NE(found, std::string::npos) << expected << " after\n" << words.substr(at);
        if (found != std::string::npos)
            at = found;
    }
}

// A risk run draws its band and median on the chart, to the last year a path reaches: the
// example's rows end in 2005, its paths in 2007.
TEST_F(ReportCommandTest, RiskBandIsOnTheChartOnlyWhenAsked) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh";
    const std::string plan = ExamplePlan();
    for (const bool risk : {false, true}) {
        const auto [status, text] = Report(plan.c_str(), risk ? std::vector<std::string>{"--risk"}
                                                              : std::vector<std::string>{});
        ASSERT_EQ(status, 0) << text;
        const std::string chart = text.substr(0, text.find("Projection"));
        for (const char* drawn : {"10th to 90th percentile of paths", "median of paths", "2007"})
            EXPECT_EQ(chart.find(drawn) != std::string::npos, risk) << drawn << '\n' << chart;
    }
}

TEST_F(ReportCommandTest, ComparedPlansGetAPageInCompareWords) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh";
    const std::string other = Path("other.Orbe");
    std::ofstream(other, std::ios::binary)
        << PlanFileBytes(*PlanVariant(ProjectionExamplePlan(), 80, 0));
    const std::string plan = ExamplePlan();
    const auto [status, text] = Report(plan.c_str(), {"--compare", other, "--until-age", "56"});
    ASSERT_EQ(status, 0) << text;
    std::string words;
    std::istringstream split(text);
    for (std::string word; split >> word;)
        words += word + ' ';
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> compare{"compare", Path("plan.Orbe"), other, "--until-age",
                                           "56"};
    ASSERT_EQ(RunCli(compare, out, err), 0);
    const std::vector<std::string> compared = Lines(out.str());
    // The chart draws the other plan beside the report's own, named in its legend.
    for (const std::string& expected :
         {std::string("Total Assets (other)"),
          std::string("Scenarios ") + compared[compared.size() - 2], compared.back()})
        EXPECT_NE(words.find(expected + ' '), std::string::npos) << expected << "\n" << words;

    std::vector<std::string> four;
    for (int n = 0; n < 4; ++n)
        four.insert(four.end(), {"--compare", other});
    EXPECT_EQ(Report(plan.c_str(), four).first, 2);
}

// Three plans under long names: the comparison stays whole on one page, under headings that
// wrap, and no page is left with a line or two.
TEST_F(ReportCommandTest, AComparisonOfThreePlansKeepsItsScenariosTogether) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh";
    std::vector<std::string> options;
    for (const auto& [name, percent] :
         {std::pair{"spending less than planned in every single year", 80},
          std::pair{"spending more than planned in every single year", 120}}) {
        const std::string path = Path(std::string(name) + ".Orbe");
        std::ofstream(path, std::ios::binary)
            << PlanFileBytes(*PlanVariant(ProjectionExamplePlan(), percent, 0));
        options.insert(options.end(), {"--compare", path});
    }
    const auto [status, text] = Report(ExamplePlan().c_str(), options);
    ASSERT_EQ(status, 0) << text;
    std::istringstream pages(text);
    int scenarioPages = 0;
    for (std::string page; std::getline(pages, page, '\f');) {
        const std::vector<std::string> lines = Lines(page);
        const auto filled = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find_first_not_of(' ') != std::string::npos;
        });
        if (filled == 0)
            continue;
        EXPECT_GE(filled, 4) << page;
        const std::size_t scenarios = page.find("\nScenarios\n");
        if (scenarios == std::string::npos)
            continue;
        ++scenarioPages;
        std::size_t pairs = 0;
        for (std::size_t at = page.find("neither in"); at != std::string::npos;
             at = page.find("neither in", at + 1))
            ++pairs;
        EXPECT_EQ(pairs, 3u) << page;
        // The names wrap in their columns: their first words head the table.
        EXPECT_LT(page.find("spending less", scenarios), page.find("First year", scenarios));
    }
    EXPECT_EQ(scenarioPages, 1);
}

// A name an older file wrote in Windows-1252 is shown as the dialogs show it.
TEST_F(ReportCommandTest, NamesShowAsWritten) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh";
    std::string plan = kLimitPlanFile;
    plan.replace(plan.find("Fund"), 4, "Caf\xe9 fund");
    const auto [status, text] = Report(plan.c_str());
    ASSERT_EQ(status, 0) << text;
    EXPECT_NE(text.find("Caf\xc3\xa9 fund"), std::string::npos) << text;
}
