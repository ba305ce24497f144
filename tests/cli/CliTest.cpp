#include "cli/CliCommands.h"
#include "cli/TodaysMoneyOption.h"
#include "model/WhatIf.h"
#include "persist/PlanFile.h"
#include "persist/SaveBackup.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kExample = std::string(ORBELAN_EXAMPLES_DIR) + "/retirement-example.Orbe";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string ReadBytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class CliFileTest : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return (m_dir / name).string();
    }
    // A folder of this run's own: a fixed name in /tmp is shared with every other run.
    const TemporaryDirectory m_folder;
    const fs::path m_dir = m_folder.Path();
};

} // namespace

TEST(CliTest, CsvIsTheHeaderAndOneLineOfIntegersPerRow) {
    const CliRun run = Cli({"project", "--csv", kExample});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kProjectionExampleCsv);
}

TEST(CliTest, ReadableTableRightAlignsTheAmounts) {
    const CliRun run = Cli({"project", kExample});
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "Year  Income  Total Assets  Available Assets  Withdrawals");
    EXPECT_EQ(first, "2000    1778          1778              1050            0");
    EXPECT_EQ(second, "2001     874          2652              1103         -600");
}

TEST(CliTest, ExplainShowsHowEveryNumberOfTheYearCameAbout) {
    const CliRun run = Cli({"explain", kExample, "2002"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Year 2002, age 54\n"
                       "Tax rate in force: 30 %\n"
                       "Income items                                    53\n"
                       "  Savings\n"
                       "    Opening balance                            503\n"
                       "    Interest at 2.5 %, counted as 2 %           10\n"
                       "    Credited                                    10\n"
                       "    Balance after credits                      513\n"
                       "    Withdrawn                                 -513\n"
                       "    Closing balance                              0\n"
                       "  Pension\n"
                       "    Opening balance                          1,549\n"
                       "    Interest at 4 %                             62\n"
                       "    Income tax                                 -19\n"
                       "    Credited                                    43\n"
                       "    Balance after credits                    1,592\n"
                       "    Withdrawn                                 -124\n"
                       "    Closing balance                          1,468\n"
                       "Total Assets: the balances after credits     2,105\n"
                       "Available Assets: those open for withdrawal  2,105\n"
                       "Expenses                                       600\n"
                       "  Rent\n"
                       "    Annual amount                              600\n"
                       "Withdrawals -637 = expenses 600 + withheld tax 37\n"
                       "  1. Savings\n"
                       "    Gross                                      600\n"
                       "    Taken                                      513\n"
                       "    Received                                   513\n"
                       "  2. Pension\n"
                       "    Gross                                      124\n"
                       "    Taken                                      124\n"
                       "    Withheld tax at 30 %                       -37\n"
                       "    Received                                    87\n"
                       "All expenses paid\n");
    // In today's money at no inflation the amounts stay; the first line says which money.
    const CliRun today = Cli({"explain", kExample, "2002", "--todays-money", "0"});
    EXPECT_EQ(today.status, 0);
    EXPECT_EQ(today.out.substr(today.out.find('\n') + 1), run.out);
    EXPECT_EQ(today.out.substr(0, today.out.find(" money at 0 % inflation a year\n")),
              "Amounts in " + std::to_string(CurrentYear()));
}

// The year whose amounts stopped the projection is said to be beyond calculation, once.
TEST_F(CliFileTest, ExplainOfTheYearBeyondTheLimitSaysSo) {
    const std::string plan = Write("limit.Orbe", kLimitPlanFile);
    const CliRun beyond = Cli({"explain", plan, "2016"});
    EXPECT_EQ(beyond.status, 3);
    EXPECT_EQ(beyond.out, "");
    EXPECT_EQ(beyond.err,
              "orbelan-cli: 2016 could not be calculated. The projection stops at the calculation "
              "limit in 2016: the amounts of that year are larger than 2147483647 or smaller than "
              "-2147483648, "
              "which this program cannot calculate exactly.\n");
    const CliRun last = Cli({"explain", plan, "2015"});
    EXPECT_EQ(last.status, 0);
    EXPECT_EQ(last.err, "");
    EXPECT_NE(last.out.find("The next year, 2016, could not be calculated"), std::string::npos);
}

// A projection that stops before its first row has no year to explain, and says why.
TEST_F(CliFileTest, ExplainOfAProjectionStoppedInItsFirstYearSaysSo) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].rateBefore = -3e38f;
    plan.incomes[0].rateAfter = -3e38f;
    const std::string path = Write("stopped.Orbe", PlanFileBytes(plan));

    const CliRun run = Cli({"explain", path, "2003"});

    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "orbelan-cli: the projection has no year 2003: it stops at the "
                       "calculation limit in 2000, its first year.\n");
    const CliRun check = Cli({"check", path});
    EXPECT_EQ(check.status, 0);
    EXPECT_NE(check.out.find("warning: In Savings, the interest rate of -3e+38 % before the "
                             "switch takes away more than the whole amount each year"),
              std::string::npos)
        << check.out;
}

// A name written in Windows-1252 by an older file is shown as UTF-8.
TEST_F(CliFileTest, ExplainShowsNamesAsWritten) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].name = "Caf\xe9 fund";
    const CliRun run = Cli({"explain", Write("cafe.Orbe", PlanFileBytes(plan)), "2002"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\n  Caf\xc3\xa9 fund\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n  1. Caf\xc3\xa9 fund\n"), std::string::npos);
}

TEST(CliTest, BadUsageExitsWithTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"project"},
             {"frobnicate", kExample},
             {"check", "--csv", kExample},
             {"project", kExample, kExample},
             {"project", "--bogus", kExample},
             {"explain", kExample},
             {"explain", kExample, "2oo2"},
             {"explain", kExample, "1999"},
             {"explain", "--json", kExample, "2002"},
             {"explain", kExample, "2002", "--todays-money", "101"},
             {"explain", "--json", kExample, "--todays-money", "2"}}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("--help"), std::string::npos);
    }
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("orbelan-cli check FILE"), std::string::npos);
    // Every limit is filled in from the core's constants.
    EXPECT_EQ(help.out.find('{'), std::string::npos);
    EXPECT_NE(help.out.find("--paths N       The number of paths, 1 to 100000 (default 1000)."),
              std::string::npos);
}

TEST_F(CliFileTest, FilesThatDoNotOpenExitWithOne) {
    const CliRun missing = Cli({"project", (m_dir / "none.Orbe").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Error opening file!\n" + (m_dir / "none.Orbe").string() +
                               ": No such file or directory\n");
    EXPECT_EQ(missing.out, "");
    const CliRun notPlan = Cli({"check", Write("notes.Orbe", "shopping list\n")});
    EXPECT_EQ(notPlan.status, 1);
    EXPECT_EQ(notPlan.err, "File format error!\n");
}

TEST_F(CliFileTest, CheckTellsCleanFromDamaged) {
    const CliRun clean = Cli({"check", kExample});
    EXPECT_EQ(clean.status, 0);
    EXPECT_NE(clean.out.find("opens cleanly (2 income items, 1 expense item)"), std::string::npos);

    std::string bytes = PlanFileBytes(ProjectionExamplePlan());
    bytes.resize(bytes.find("Rent"));
    const std::string damaged = Write("cut.Orbe", bytes);
    const CliRun check = Cli({"check", damaged});
    EXPECT_EQ(check.status, 3);
    EXPECT_EQ(check.out, damaged + ": damaged from line 35\n");

    const CliRun project = Cli({"project", "--csv", damaged});
    EXPECT_EQ(project.status, 0) << "a damaged file still projects";
    EXPECT_NE(project.err.find("line 35 could not be read"), std::string::npos);
    EXPECT_EQ(std::count(project.out.begin(), project.out.end(), '\n'), 101)
        << "without the rent the money lasts the whole hundred years";
}

// compare and report --compare open the plans they compare alike: a file that does not open
// stops both in the same words, and a damaged one is compared by both after the same warning.
TEST_F(CliFileTest, CompareAndReportOpenTheirScenariosInTheSameWords) {
    std::string bytes = PlanFileBytes(ProjectionExamplePlan());
    bytes.resize(bytes.find("Rent"));
    const std::string missing = (m_dir / "none.Orbe").string();
    const struct {
        std::string file;
        int status;
        std::string err;
    } cases[] = {
        {missing, 1, "Error opening file!\n" + missing + ": No such file or directory\n"},
        {Write("notes.Orbe", "shopping list\n"), 1, "File format error!\n"},
        {Write("cut.Orbe", bytes), 0,
         "Warning: This plan file is damaged: line 35 could not be read. Everything from that "
         "line on has been given its default value. Check the plan before you save it.\n"},
    };
    const std::string pdf = (m_dir / "out.pdf").string();
    for (const auto& c : cases) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"compare", kExample, c.file, "--paths", "10"},
              std::vector<std::string>{"report", kExample, pdf, "--compare", c.file}}) {
            const CliRun run = Cli(args);
            EXPECT_EQ(run.status, c.status) << args[0] << ' ' << c.file;
            EXPECT_EQ(run.err, c.err) << args[0] << ' ' << c.file;
        }
    }
}

// A plan that opens is checked, and its problems leave the status at 0.
TEST_F(CliFileTest, CheckWarnsOfEachProblemAfterItsVerdict) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].initialAmount = 0;
    plan.expenses[0].name.clear();
    const std::string path = Write("first.Orbe", PlanFileBytes(plan));
    const CliRun check = Cli({"check", path});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, path + ": opens cleanly (2 income items, 1 expense item)\n"
                                "warning: No income item has an initial amount above 0, so the "
                                "projection has no first year and runs from year 0: enter what an "
                                "account holds today as its Initial Amount under Income.\n"
                                "warning: Expense item 1 has no name: enter one so that the item "
                                "can be told apart under Expenses.\n");

    plan = ProjectionExamplePlan();
    for (int i = 0; i < 12; ++i)
        plan.AppendExpense();
    const CliRun many = Cli({"check", Write("many.Orbe", PlanFileBytes(plan))});
    EXPECT_EQ(std::count(many.out.begin(), many.out.end(), '\n'), 12);
    EXPECT_NE(many.out.find("\nwarning: And 2 more problems like these.\n"), std::string::npos);
}

// The household example edited as a user would edit it: its salary left running ten years past
// retirement, and then, apart, its retirement age lowered in the file without its date.
TEST_F(CliFileTest, CheckWarnsOfASalaryPastRetirementAndAStaleRetirementDate) {
    const std::string example = ReadBytesOf(std::string(ORBELAN_EXAMPLES_DIR) + "/household.Orbe");
    ASSERT_EQ(example.substr(0, 36), "2052206848\r\n1 3 1985\r\n67\r\n1 3 2052\r\n");
    std::string salary = example;
    salary.replace(salary.find("31 12 2051"), 10, "31 12 2061");
    const std::string salaryPath = Write("salary.Orbe", salary);
    EXPECT_EQ(Cli({"check", salaryPath}).out,
              salaryPath +
                  ": opens cleanly (4 income items, 2 expense items)\n"
                  "warning: In Salary, the taxable annual amount runs to 2061, 10 years "
                  "past the retirement in 2052, taxed at the rate after retirement: end "
                  "it in 2051 with its End Date if it stops at retirement under Income.\n");

    std::string age = example;
    age.replace(age.find("\n67\r"), 4, "\n62\r");
    const std::string agePath = Write("age.Orbe", age);
    EXPECT_EQ(Cli({"check", agePath}).out,
              agePath + ": opens cleanly (4 income items, 2 expense items)\n"
                        "warning: The stored retirement date, 2052-03-01, is not the birth date "
                        "plus the retirement age of 62, 2047-03-01, and the tax rate changes by "
                        "the stored date: confirm the Retirement Age with OK under General "
                        "Data.\n");
}

// What if and risk give no answer for a plan with no first year, only what its check says.
TEST_F(CliFileTest, AnswersAboutAPlanWithNoFirstYearSayWhatTheCheckSays) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].initialAmount = 0;
    const std::string path = Write("none.Orbe", PlanFileBytes(plan));
    for (const char* command : {"sustain", "sensitivity", "risk"}) {
        const CliRun run = Cli({command, path});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_EQ(run.err, "orbelan-cli: No income item has an initial amount above 0, so the "
                           "projection has no first year and runs from year 0: enter what an "
                           "account holds today as its Initial Amount under Income.\n")
            << command;
    }
    EXPECT_EQ(Cli({"project", "--csv", path}).status, 0) << "the projection itself still runs";
}

// The example starts in 2000, at age 52: every command that asks about the age of one plan
// refuses one before that, in the words the window's panes use, and leaves nothing written.
TEST_F(CliFileTest, AnAgeBeforeTheFirstYearIsBadUsageForEveryCommand) {
    const std::string pdf = (m_dir / "out.pdf").string();
    const std::string why = "Age 3 comes before the projection's first year, 2000, at age 52: "
                            "choose an age from 52 on.\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"risk", kExample, "--until-age", "3"}, why},
        {{"risk", kExample, "--until-age", "3", "--path", "0"}, why},
        {{"sustain", kExample, "--until-age", "3"}, why},
        {{"report", kExample, pdf, "--until-age", "3"}, why},
    };
    for (const auto& test : cases) {
        const CliRun run = Cli(test.args);
        EXPECT_EQ(run.status, 2) << test.args[0];
        EXPECT_EQ(run.out, "") << test.args[0];
        EXPECT_EQ(run.err, "orbelan-cli: " + test.err) << test.args[0];
    }
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_EQ(Cli({"risk", kExample, "--until-age", "52", "--paths", "1"}).status, 0);
}

// A plan that cannot be asked as it stands gets one sentence from every command that asks it;
// compare says it in that plan's column and still compares the others, never scoring it.
TEST_F(CliFileTest, APlanThatCannotBeAskedGetsOneVerdictFromEveryCommand) {
    Plan noIncome = ProjectionExamplePlan();
    noIncome.incomes.clear();
    Plan noAmount = ProjectionExamplePlan();
    for (IncomeItem& income : noAmount.incomes)
        income.initialAmount = 0;
    Plan noBirthDate = ProjectionExamplePlan();
    noBirthDate.birthDate = MakeDate(-1, -1, -1);
    // Born 1900, 100 in the first year, 2000: the default age of 95 comes before it.
    Plan old = ProjectionExamplePlan();
    old.birthDate = MakeDate(1900, 1, 1);
    const std::string firstYear = "so the projection has no first year and runs from year 0: ";
    const struct {
        Plan plan;
        int status;
        std::string sentence;
    } cases[] = {
        {noIncome, 1,
         "The plan has no income item, " + firstYear +
             "add an account with what it holds today as its Initial Amount under Income."},
        {noAmount, 1,
         "No income item has an initial amount above 0, " + firstYear +
             "enter what an account holds today as its Initial Amount under Income."},
        {noBirthDate, 1,
         "The birth date is not a valid date, so no age and no retirement year can be known: "
         "enter it again under General Data."},
        {old, 2,
         "Age 95 comes before the projection's first year, 2000, at age 100: choose an age from "
         "100 on."},
    };
    const std::string pdf = (m_dir / "out.pdf").string();
    for (const auto& c : cases) {
        const std::string file = Write("plan.Orbe", PlanFileBytes(c.plan));
        for (const char* command : {"risk", "sustain", "sensitivity"}) {
            const CliRun run = Cli({command, file});
            EXPECT_EQ(run.status, c.status) << command;
            EXPECT_EQ(run.out, "") << command;
            EXPECT_EQ(run.err, "orbelan-cli: " + c.sentence + '\n') << command;
        }
        const CliRun report = Cli({"report", file, pdf, "--risk"});
        EXPECT_EQ(report.status, 0);
        EXPECT_EQ(report.err, "Warning: " + c.sentence + '\n');
        const CliRun compare = Cli({"compare", kExample, file, "--paths", "10", "--json"});
        ASSERT_EQ(compare.status, 0) << compare.err;
        const nlohmann::json json = nlohmann::json::parse(compare.out);
        EXPECT_EQ(json["plans"][1], (nlohmann::json{{"file", file}, {"verdict", c.sentence}}));
        EXPECT_EQ(json["plans"][0]["successes"], 0) << "the example runs out at 57";
        EXPECT_TRUE(json["pairs"].empty());
        const CliRun text = Cli({"compare", kExample, file, "--paths", "10"});
        EXPECT_NE(text.out.find("  " + c.sentence + '\n'), std::string::npos) << text.out;
        EXPECT_EQ(text.out.find("10 of 10"), std::string::npos) << text.out;
    }
}

TEST_F(CliFileTest, ProjectionStoppedAtTheLimitPrintsItsRowsAndSaysSo) {
    Plan plan;
    plan.AppendIncome();
    plan.incomes[0].taxable = false;
    plan.incomes[0].initialAmount = 2000000000;
    plan.incomes[0].initialDate = MakeDate(2000, 1, 1);
    plan.incomes[0].rateSwitchDate = MakeDate(2000, 1, 1);
    plan.incomes[0].rateAfter = 10.0f;
    const CliRun run = Cli({"project", "--csv", Write("big.Orbe", PlanFileBytes(plan))});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Year,Income,Total Assets,Available Assets,Withdrawals\n");
    EXPECT_NE(run.err.find("stops at the calculation limit in 2000"), std::string::npos);
}

TEST_F(CliFileTest, SustainAndSensitivityPrintTheirShapes) {
    const CliRun sustain = Cli({"sustain", kExample, "--until-age", "56"});
    EXPECT_EQ(sustain.status, 0);
    const std::string prefix = "sustainable spending to age 56: ";
    ASSERT_EQ(sustain.out.substr(0, prefix.size()), prefix);
    const std::string percent = sustain.out.substr(prefix.size());
    EXPECT_TRUE(percent.size() >= 3 && percent.ends_with("%\n") &&
                std::all_of(percent.begin(), percent.end() - 2,
                            [](char c) { return c >= '0' && c <= '9'; }))
        << sustain.out;
    EXPECT_EQ(Cli({"sustain", kExample}).out.substr(0, 32), "sustainable spending to age 95: ");

    const CliRun grid = Cli({"sensitivity", kExample});
    EXPECT_EQ(grid.status, 0);
    std::istringstream lines(grid.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0], "returns,70%,80%,90%,100%,110%,120%,130%");
    EXPECT_EQ(rows[1].substr(0, 3), "-3,");
    EXPECT_EQ(rows[4], "+0,2005,2005,2004,2004,2003,2003,2003");
    EXPECT_EQ(rows[7].substr(0, 3), "+3,");

    Plan ageless = ProjectionExamplePlan();
    ageless.birthDate = MakeDate(2001, 2, 29);
    const CliRun noAge = Cli({"sustain", Write("ageless.Orbe", PlanFileBytes(ageless))});
    EXPECT_EQ(noAge.status, 1);
    EXPECT_NE(noAge.err.find("birth date is not a valid date"), std::string::npos);
    EXPECT_EQ(Cli({"sustain", kExample, "--until-age", "old"}).status, 2);
}

TEST_F(CliFileTest, RiskPrintsTheChanceThePercentilesAndOnePath) {
    // With no spread every path is the plan's own: the example is covered to 2004 (age 56).
    EXPECT_EQ(Cli({"risk", kExample, "--spread", "0", "--paths", "5", "--until-age", "56"}).out,
              "The money lasts to age 56 in 5 of 5 paths: 100.0\u00a0%\n"
              "Spread 0 points, seed 1.\n"
              "2000: p10 1778, p50 1778, p90 1778 (5 paths)\n");
    const CliRun plain = Cli({"risk", kExample, "--seed", "18446744073709551615"});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out.substr(0, plain.out.find('\n') + 1),
              "The money lasts to age 95 in 0 of 1,000 paths: 0.0\u00a0%\n");

    const CliRun json =
        Cli({"risk", "--json", kExample, "--spread", "0", "--paths", "2", "--until-age", "57"});
    EXPECT_EQ(json.status, 0);
    std::string expected = "{\n  \"paths\": 2,\n  \"spread\": 0,\n  \"seed\": 1,\n"
                           "  \"untilAge\": 57,\n  \"horizonYear\": 2005,\n  \"successes\": 0,\n"
                           "  \"stoppedAtLimit\": 0,\n  \"years\": [\n";
    const std::vector<std::pair<int, int>> totals{{2000, 1778}, {2001, 2652}, {2002, 2105},
                                                  {2003, 1515}, {2004, 790},  {2005, 42}};
    for (const auto& [year, total] : totals) {
        const std::string t = std::to_string(total);
        expected += "    {\n      \"year\": " + std::to_string(year) +
                    ",\n      \"paths\": 2,\n      \"ranOut\": 0,\n      \"beyondLimit\": 0,"
                    "\n      \"p10\": " +
                    t + ",\n      \"p50\": " + t + ",\n      \"p90\": " + t + "\n    }" +
                    (year == 2005 ? "\n" : ",\n");
    }
    EXPECT_EQ(json.out, expected + "  ]\n}\n");

    const CliRun own = Cli({"risk", kExample, "--spread", "0", "--path", "999"});
    std::string ownCsv;
    std::istringstream rows(kProjectionExampleCsv);
    for (std::string line; std::getline(rows, line);)
        ownCsv += line + (ownCsv.empty() ? ",Returns\n" : ",+0\n");
    EXPECT_EQ(own.out, ownCsv);
    // Seed 1, spread 10, path 0 moves the first rows by +14, -6, -6.
    const CliRun path = Cli({"risk", kExample, "--path", "0"});
    EXPECT_EQ(path.status, 0);
    std::istringstream lines(path.out);
    std::vector<std::string> returns;
    for (std::string line; std::getline(lines, line);)
        returns.push_back(line.substr(line.rfind(',') + 1));
    ASSERT_GE(returns.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(returns.begin(), returns.begin() + 4),
              (std::vector<std::string>{"Returns", "+14", "-6", "-6"}));

    Plan ageless = ProjectionExamplePlan();
    ageless.birthDate = MakeDate(2001, 2, 29);
    const CliRun noAge = Cli({"risk", Write("ageless.Orbe", PlanFileBytes(ageless))});
    EXPECT_EQ(noAge.status, 1);
    EXPECT_NE(noAge.err.find("birth date is not a valid date"), std::string::npos);
}

TEST(CliTest, RiskBadArgumentsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases{
        {"--paths", "0"},          {"--paths", "100001"},
        {"--paths", "1e3"},        {"--spread", "51"},
        {"--spread", "-1"},        {"--until-age", "x"},
        {"--seed", "-1"},          {"--seed", "18446744073709551616"},
        {"--path", "1000"},        {"--paths", "5", "--path", "5"},
        {"--json", "--path", "0"}, {"--path"},
    };
    for (std::vector<std::string> args : cases) {
        args.insert(args.begin(), {"risk", kExample});
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args[2];
        EXPECT_EQ(run.out, "") << args[2];
        EXPECT_EQ(run.err.substr(0, 13), "orbelan-cli: ") << args[2];
    }
}

// A value out of range is refused in the words the browser's views say it in, after the
// option's name; the ends of each range are taken.
TEST(CliTest, OutOfRangeValuesAreRefusedInTheViewsWords) {
    const std::string spread = "--spread: Enter a spread from 0 to 50 points.";
    const std::string age = "--until-age: Enter an age from 0 to 1000.";
    const std::string paths = "--paths: Enter a number of paths from 1 to 100000.";
    const std::string seed = "--seed: Enter a seed: a whole number from 0 to 18446744073709551615.";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"risk", kExample, "--spread", "51"}, spread},
        {{"risk", kExample, "--spread", "x"}, spread},
        {{"risk", kExample, "--spread", "-0"}, spread},
        {{"sustain", kExample, "--until-age", "-0"}, age},
        {{"risk", kExample, "--paths", "0"}, paths},
        {{"risk", kExample, "--seed", "18446744073709551616"}, seed},
        {{"risk", kExample, "--until-age", "1001"}, age},
        {{"compare", kExample, kExample, "--until-age", "-1"}, age},
        {{"sustain", kExample, "--until-age", "1001"}, age},
        {{"report", kExample, "out.pdf", "--until-age", "1001"}, age},
    };
    for (const auto& [args, problem] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_EQ(run.err, "orbelan-cli: " + problem + "\nTry 'orbelan-cli --help'.\n") << args[0];
    }
    EXPECT_EQ(
        Cli({"risk", kExample, "--spread", "50", "--paths", "1", "--until-age", "1000"}).status, 0);
}

TEST_F(CliFileTest, CompareRunsEveryPlanAsRiskAndSustainDo) {
    const std::string cheaper =
        Write("cheaper.Orbe", PlanFileBytes(*PlanVariant(ProjectionExamplePlan(), 80, 0)));
    const std::vector<std::string> settings{"--spread", "20",          "--paths",
                                            "300",      "--until-age", "56"};
    std::vector<std::string> args{"compare", kExample, cheaper, "--json"};
    args.insert(args.end(), settings.begin(), settings.end());
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    std::int32_t lasting[2] = {};
    for (std::size_t p = 0; p < 2; ++p) {
        const std::string& file = args[p + 1];
        std::vector<std::string> riskArgs{"risk", file, "--json"};
        riskArgs.insert(riskArgs.end(), settings.begin(), settings.end());
        const nlohmann::json risk = nlohmann::json::parse(Cli(riskArgs).out);
        const nlohmann::json& plan = json["plans"][p];
        EXPECT_EQ(plan["file"], file);
        EXPECT_EQ(plan["successes"], risk["successes"]);
        EXPECT_EQ(plan["horizonYear"], risk["horizonYear"]);
        EXPECT_EQ("sustainable spending to age 56: " + plan["sustainable"].dump() + "%\n",
                  Cli({"sustain", file, "--until-age", "56"}).out);
        lasting[p] = plan["successes"];
    }
    const nlohmann::json& pair = json["pairs"][0];
    EXPECT_EQ(pair["both"].get<int>() + pair["onlyFirst"].get<int>(), lasting[0]);
    EXPECT_EQ(pair["both"].get<int>() + pair["onlySecond"].get<int>(), lasting[1]);
    EXPECT_EQ(pair["both"].get<int>() + pair["onlyFirst"].get<int>() +
                  pair["onlySecond"].get<int>() + pair["neither"].get<int>(),
              300);

    const std::vector<std::vector<std::string>> bad{
        {"compare", kExample},
        {"compare", kExample, kExample, kExample, kExample, kExample},
        {"compare", kExample, kExample, "--json", "--csv"},
        {"compare", kExample, kExample, "--paths", "0"},
    };
    for (const std::vector<std::string>& command : bad)
        EXPECT_EQ(Cli(command).status, 2) << command.size();
}

TEST_F(CliFileTest, CalculationLimitIsNamedNotRunOut) {
    const std::string file = Write("limit.Orbe", PlanFileBytes(CalculationLimitPlan()));
    EXPECT_EQ(Cli({"sustain", file}).out, "sustainable spending to age 95: unknown, the "
                                          "projection stops at the calculation limit in 2040\n");
    const std::string grid = Cli({"sensitivity", file}).out;
    EXPECT_NE(grid.find("\n+0,2039+,2039+,2039+,2039+,2039+,2039+,2039+\n"), std::string::npos)
        << grid;
    const std::string risk = Cli({"risk", file, "--spread", "0", "--paths", "3"}).out;
    EXPECT_EQ(risk.substr(0, risk.find('\n')),
              "All 3 paths stop at the calculation limit before age 95: how sure the plan is "
              "cannot be calculated.");
}

TEST_F(CliFileTest, EveryCommandUndoesASaveThatACrashCutShort) {
    const fs::path state = m_dir / "state";
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const std::string old = PlanFileBytes(ProjectionExamplePlan());
    const std::string newBytes = PlanFileBytes(FileExamplePlan());
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"check"},
                                               {"project", "--csv"},
                                               {"explain", "--json"},
                                               {"sustain"},
                                               {"sensitivity"}}) {
        const std::string path = Write("plan.Orbe", old);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        ASSERT_FALSE(WriteSaveBackup(path, info, old, newBytes));
        std::ofstream(path, std::ios::binary | std::ios::in) << newBytes.substr(0, 40);
        std::vector<std::string> command = args;
        command.push_back(path);

        const CliRun run = Cli(command);

        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_TRUE(run.err.starts_with("Warning: The last save of this plan was interrupted. "
                                        "The plan has been put back as it was before that "
                                        "save. " +
                                        path + "\n"))
            << run.err;
        std::ifstream file(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), old) << args[0];
    }
    ::unsetenv("XDG_STATE_HOME");
}

TEST_F(CliFileTest, CheckSaysWhatItFoundWhenNothingWasPutBack) {
    const fs::path state = m_dir / "state";
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const std::string old = PlanFileBytes(ProjectionExamplePlan());
    const std::string newBytes = PlanFileBytes(FileExamplePlan());
    // The state folder in a state where it can be used or not, and the torn file's mode.
    struct Case {
        const char* what;
        mode_t fileMode;
        mode_t backupMode;
        bool copy;
        std::string verdict;
    };
    const std::string backup = (state / "orbelan").string() + "/save-";
    const std::string original = (m_dir / "plan.Orbe").string();
    const Case cases[] = {
        {"a file the user may not change", 0444, 0600, false,
         ": holds a save that was interrupted, and it was not put back (Permission denied); "
         "the plan as it was before that save is kept in " +
             backup},
        {"a backup that is not the user's alone", 0644, 0644, false,
         ": may hold a save that was interrupted; its backup " + backup},
        {"a copy of the torn file", 0644, 0600, true,
         ": holds a save of " + original +
             " that was interrupted, and it was not put back, because this file is a copy of "
             "that one; the plan as it was before that save is kept in " +
             backup},
    };
    for (const Case& c : cases) {
        fs::remove_all(state);
        const std::string path = Write("plan.Orbe", old);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        ASSERT_FALSE(WriteSaveBackup(path, info, old, newBytes));
        std::ofstream(path, std::ios::binary | std::ios::in) << newBytes.substr(0, 40);
        ASSERT_EQ(::chmod(path.c_str(), c.fileMode), 0);
        const fs::path saved = *fs::directory_iterator(state / "orbelan");
        ASSERT_EQ(::chmod(saved.c_str(), c.backupMode), 0);

        const std::string checked = c.copy ? Write("copy.Orbe", ReadBytesOf(path)) : path;

        const CliRun run = Cli({"check", checked});

        EXPECT_EQ(run.status, 3) << c.what;
        EXPECT_TRUE(run.out.starts_with(checked + c.verdict)) << run.out;
        ::chmod(path.c_str(), 0644);
    }
    ::unsetenv("XDG_STATE_HOME");
}

TEST_F(CliFileTest, CheckNamesBytesAfterTheLastItemAndAStateFolderItCannotUse) {
    const fs::path state = m_dir / "state";
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const std::string plan = PlanFileBytes(FileExamplePlan());
    const std::string path = Write("plan.Orbe", plan + "\r\n0\r\nRent\r\n");

    const CliRun tail = Cli({"check", path});

    EXPECT_EQ(tail.status, 3);
    EXPECT_EQ(tail.out, path + ": opens, but not cleanly (1 income item, 1 expense item)\n"
                               "warning: This plan file goes on after its last item: 11 bytes "
                               "after it were not read. They may be left from a save that did "
                               "not finish; check the plan before you save it.\n");

    fs::create_directories(m_dir / "elsewhere");
    fs::create_directories(state);
    fs::create_symlink(m_dir / "elsewhere", state / "orbelan");
    const CliRun linked = Cli({"check", Write("plan.Orbe", plan)});

    EXPECT_EQ(linked.status, 0);
    EXPECT_NE(linked.out.find("warning: no save of this plan that a crash cut short could be "
                              "looked for: " +
                              (state / "orbelan").string() + " is a symbolic link\n"),
              std::string::npos)
        << linked.out;
    ::unsetenv("XDG_STATE_HOME");
}

TEST_F(CliFileTest, GoalAnswersInWordsAndJson) {
    // Every path is the plan's own at spread 0: the savings pay 2000 to 2009 (age 59), and ten
    // years of s from 1000 take s up to 100.
    const std::string drawdown = Write("drawdown.Orbe", PlanFileBytes(DrawdownPlan()));
    const CliRun text =
        Cli({"goal", drawdown, "--spread", "0", "--paths", "1000", "--until-age", "59"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "At 90 % confidence (900 of 1,000 paths, spread 0 points, seed 1): "
                        "spending up to 100 % of the planned expenses lasts to age 59. At the "
                        "planned expenses the money lasts to age 59.\n");
    const CliRun json = Cli({"goal", drawdown, "--json", "--confidence", "50", "--spread", "0",
                             "--paths", "3", "--until-age", "58", "--seed", "9"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(json.out).dump(),
              R"({"confidence":50,"untilAge":58,"paths":3,"spread":0,"seed":9,"needed":2,)"
              R"("spending":111,"lastsToAge":59,"toTheEnd":false,"stoppedAtLimit":0})");

    const std::string confidence = "--confidence: Enter a confidence from 1 to 99 %.";
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
        {{"goal", drawdown, "--confidence", "0"}, confidence},
        {{"goal", drawdown, "--confidence", "100"}, confidence},
        {{"goal", drawdown, "--confidence", "9.5"}, confidence},
        {{"goal", drawdown, "--paths", "100001"},
         "--paths: Enter a number of paths from 1 to 100000."},
        {{"goal", drawdown, "--until-age", "49"},
         "Age 49 comes before the projection's first year, 2000, at age 50: choose an age from "
         "50 on."},
    };
    for (const auto& [args, problem] : refused) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "orbelan-cli: " + problem);
    }
    Plan ageless = DrawdownPlan();
    ageless.birthDate = MakeDate(2001, 2, 29);
    // A plan that cannot be asked gets the verdict risk gives it.
    const std::string agelessFile = Write("ageless.Orbe", PlanFileBytes(ageless));
    const CliRun noAge = Cli({"goal", agelessFile});
    EXPECT_EQ(noAge.status, 1);
    EXPECT_NE(noAge.err.find("birth date"), std::string::npos) << noAge.err;
    EXPECT_EQ(noAge.err, Cli({"risk", agelessFile}).err);
}
