#include "cli/CliCommands.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

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

TEST_F(ReportCommandTest, HundredYearsFillThreePagesWithHeadingsOnEach) {
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
    EXPECT_EQ(headings, 3);
    EXPECT_EQ(rows, 100);
    EXPECT_NE(text.find("Page 1 of 3"), std::string::npos);
    EXPECT_NE(text.find("Page 3 of 3"), std::string::npos);
}

TEST_F(ReportCommandTest, TheLimitIsStatedAndBadUsageRefused) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/install-deps.sh test";
    const auto [status, text] = Report(kLimitPlanFile);
    ASSERT_EQ(status, 0) << text;
    EXPECT_NE(text.find("Amounts as projected"), std::string::npos);
    EXPECT_NE(text.find("The projection stops at the calculation limit in 2016."),
              std::string::npos)
        << text;

    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--todays-money", "two"},
          {"--todays-money", "101"},
          {"--todays-money"},
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
