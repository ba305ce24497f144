#include "wasm/WebRisk.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <vector>

namespace {

using Json = nlohmann::json;

RiskSettings Settings(std::int32_t paths, std::int32_t spread, std::int32_t untilAge = 95) {
    return *RiskSettingsFrom(paths, spread, "1", untilAge);
}

// Marks what the page writes, to tell it from the core's words.
const ExplanationText kPageText{[](float rate) { return 'r' + std::to_string(rate); },
                                [](std::int64_t amount) { return '$' + std::to_string(amount); }};

const NumberWords kPageNumbers{[](std::int64_t n) { return '#' + std::to_string(n); },
                               [](std::int32_t tenths) { return 't' + std::to_string(tenths); }};

} // namespace

TEST(WebRiskTest, SettingsFromThePage) {
    struct Case {
        const char* seed;
        std::optional<std::uint64_t> read;
    };
    const std::vector<Case> seeds{
        {"0", 0},
        {"18446744073709551615", std::numeric_limits<std::uint64_t>::max()},
        {"18446744073709551616", std::nullopt},
        {"", std::nullopt},
        {" 1", std::nullopt},
        {"-1", std::nullopt},
        {"1e3", std::nullopt}};
    for (const Case& c : seeds) {
        const std::optional<RiskSettings> settings = RiskSettingsFrom(1000, 10, c.seed, 95);
        EXPECT_EQ(settings ? std::optional(settings->seed) : std::nullopt, c.read) << c.seed;
    }
    EXPECT_EQ(*RiskSettingsFrom(0, -3, "5", -1), (RiskSettings{1, 0, 5, 0}));
    EXPECT_EQ(*RiskSettingsFrom(200000, 80, "5", 2000), (RiskSettings{100000, 50, 5, 1000}));
}

TEST(WebRiskTest, RunWithItsRoundedShareAndPaths) {
    // Spread 0: three identical paths of the drawdown plan, which runs out in 2010 at age 60.
    std::vector<std::int32_t> progress;
    const Json fails = Json::parse(RiskRunJson(
        DrawdownPlan(), Settings(3, 0), [&](std::int32_t done) { progress.push_back(done); },
        kPageNumbers));
    EXPECT_EQ(progress, std::vector<std::int32_t>{3});
    EXPECT_EQ(fails["status"], "done");
    EXPECT_EQ(fails["horizonYear"], 2045);
    EXPECT_EQ(fails["successes"], 0);
    EXPECT_EQ(fails["successTenths"], 0);
    EXPECT_EQ(fails["years"].size(), 11U);
    // Equal paths rank by number: the 10th percentile of three is the first, the median the
    // second.
    EXPECT_EQ(fails["worstPath"], 0);
    EXPECT_EQ(fails["medianPath"], 1);
    const Json lasts =
        Json::parse(RiskRunJson(DrawdownPlan(), Settings(3, 0, 55), {}, kPageNumbers));
    EXPECT_EQ(lasts["successes"], 3);
    EXPECT_EQ(lasts["successTenths"], 1000);
    // The pane's sentence, with the numbers as the page writes them.
    EXPECT_EQ(lasts["answer"], "The money lasts to age 55 in #3 of #3 paths: t1000\u00a0%");

    EXPECT_EQ(Json::parse(RiskRunJson(DrawdownPlan(), Settings(3, 0, 49), {}, kPageNumbers)),
              (Json{{"status", "ageProblem"},
                    {"answer", "Age 49 comes before the projection's first year, 2000, at age 50: "
                               "choose an age from 50 on."}}));

    Plan noAge = DrawdownPlan();
    noAge.birthDate.SetDate(-1, -1, -1);
    EXPECT_EQ(
        Json::parse(RiskRunJson(noAge, Settings(3, 0), {}, kPageNumbers)),
        (Json{{"status", "invalidBirthDate"},
              {"answer", "The birth date is not a valid date, so no age and no retirement year "
                         "can be known: enter it again under General Data."}}));
}

TEST(WebRiskTest, APathAndItsYearsWithTheirReturns) {
    // Seed 1, spread 10, path 0 moves 2000 by +14 and 2001 by -6 points.
    const RiskSettings settings = Settings(5, 10);
    const Json path = Json::parse(RiskPathJson(DrawdownPlan(), settings, 0));
    EXPECT_EQ(path["rows"][0][0], 2000);
    EXPECT_EQ(path["rows"][0][5], 14);
    EXPECT_EQ(path["rows"][1][5], -6);
    const Json year = Json::parse(PathYearJson(DrawdownPlan(), settings, 0, 2001, kPageText, {}));
    EXPECT_EQ(year["year"], 2001);
    EXPECT_EQ(year["returns"], -6);
    EXPECT_EQ(year["incomes"][0]["interestRate"], -6);
    EXPECT_EQ(year["totalAssets"], path["rows"][1][2]);
    // Year Details' lines of that year as the page writes them: born 1950, and the plan's 0 %
    // counted as the path's -6.
    Plan named = DrawdownPlan();
    named.incomes[0].name = "Savings";
    named.incomes[0].name = "Caf\xe9";
    const Json lines =
        Json::parse(PathYearJson(named, settings, 0, 2001, kPageText,
                                 {std::nullopt, ExplainedPath{"worst path", 0}}))["lines"];
    EXPECT_EQ(lines[0], Json({{"depth", 0},
                              {"label", "Worst path: returns moved by -6 points"},
                              {"amount", nullptr},
                              {"emphasised", true}}));
    EXPECT_EQ(lines[1]["label"], "Year 2001, age 51");
    EXPECT_EQ(lines[4]["label"], "Caf\xc3\xa9");
    EXPECT_EQ(lines[6],
              Json({{"depth", 2},
                    {"label",
                     "Interest at r0.000000 % moved by -6 points: r-6.000000 %, counted as -6 %"},
                    {"amount", year["incomes"][0]["interest"]},
                    {"emphasised", false}}));

    // Spread 0 gives the plan's own rows: 1000 less 100 a year, uncovered in 2010.
    const Json own = Json::parse(RiskPathJson(DrawdownPlan(), Settings(5, 0), 4));
    EXPECT_EQ(own["rows"].size(), 11U);
    EXPECT_EQ(own["rows"][1], Json({2001, 0, 900, 900, -100, 0}));
    EXPECT_EQ(own["firstUncoveredYear"], 2010);
    EXPECT_EQ(own["stoppedAtLimit"], false);

    for (const std::int32_t outside : {-1, 5})
        EXPECT_EQ(RiskPathJson(DrawdownPlan(), settings, outside), "null") << outside;
    EXPECT_EQ(PathYearJson(DrawdownPlan(), settings, 5, 2001, kPageText, {}), "null");
    EXPECT_EQ(PathYearJson(DrawdownPlan(), settings, 0, 2100, kPageText, {}), "null");
}
