// The core as the browser edition calls it: plans travel as JSON (see PlanJson.h), file
// bytes as byte arrays, everything else as JSON text. The page works on one plan at a time,
// handed over with setPlan, so a What If move sends two numbers rather than the plan.

#include "model/Projection.h"
#include "model/TodaysMoney.h"
#include "model/WhatIf.h"
#include "model/YearBreakdown.h"
#include "persist/NumberText.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileNaming.h"
#include "persist/PlanFileOpen.h"
#include "persist/UserMessages.h"
#include "platform/SaveChangesQuestion.h"
#include "report/ChartScale.h"
#include "report/ChartWords.h"
#include "report/ControlWords.h"
#include "report/DisplayName.h"
#include "report/LimitText.h"
#include "report/ProjectionColumns.h"
#include "report/ProjectionCsv.h"
#include "report/ProjectionJson.h"
#include "report/QuestionsText.h"
#include "report/RangeText.h"
#include "report/RiskText.h"
#include "report/ScenarioText.h"
#include "report/TodaysMoneyTable.h"
#include "report/UntilAgeCheck.h"
#include "report/WhatIfText.h"
#include "report/WorkingText.h"
#include "report/YearDetailsText.h"
#include "wasm/ExplanationJson.h"
#include "wasm/FirstPlanJson.h"
#include "wasm/PlanJson.h"
#include "wasm/WebGoal.h"
#include "wasm/WebRisk.h"
#include "wasm/WebScenarios.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Json = nlohmann::json;

Plan& CurrentPlan() {
    static Plan plan;
    return plan;
}

// ASCII only, so that the text crosses into JavaScript unchanged. Text that is not UTF-8 is
// replaced rather than refused: a refusal would throw, and this build has no exceptions.
std::string Text(const Json& json) {
    return json.dump(-1, ' ', true, Json::error_handler_t::replace);
}

std::string CannotCalculateRisk() {
    RiskSummary summary;
    summary.status = RiskStatus::CannotCalculate;
    return RiskAnswer(summary, EnglishNumbers());
}

// The chart's names of its series, by the page's names of them.
Json SeriesNames() {
    return {{"income", SeriesName(ChartSeries::Income)},
            {"withdrawals", SeriesName(ChartSeries::Withdrawals)},
            {"totalAssets", SeriesName(ChartSeries::TotalAssets)},
            {"availableAssets", SeriesName(ChartSeries::AvailableAssets)},
            {"whatIfTotal", SeriesName(ChartSeries::VariantTotalAssets)},
            {"whatIfAvailable", SeriesName(ChartSeries::VariantAvailableAssets)},
            {"band", SeriesName(ChartSeries::RiskBand)},
            {"median", SeriesName(ChartSeries::RiskMedian)}};
}

// The ranges and defaults of what the page's views let the reader set, as the window's
// controls take them.
Json Limits() {
    return {{"defaultUntilAge", kDefaultUntilAge},
            {"maxUntilAge", kMaxUntilAge},
            {"defaultSpread", kDefaultRiskSpread},
            {"maxSpread", kMaxRiskSpread},
            {"pathChoices", kRiskPathChoices},
            {"minConfidence", kMinGoalConfidence},
            {"maxConfidence", kMaxGoalConfidence},
            {"defaultConfidence", kDefaultGoalConfidence},
            {"minExpenses", kMinWhatIfExpenses},
            {"maxExpenses", kMaxWhatIfExpenses},
            {"maxReturns", kMaxWhatIfReturns},
            {"defaultInflation", kDefaultShownInflation},
            {"maxInflation", kMaxShownInflation},
            {"firstYear", kFirstPlanYear},
            {"lastYear", kLastPlanYear}};
}

// The names and tips of the views' parts, by the page's names of them.
Json ControlNames() {
    return {{"planCheck", kPlanCheckName},
            {"nextProblemTip", kNextProblemTip},
            {"fixProblemTip", kFixProblemTip},
            {"projection", kProjectionName},
            {"projectionChart", kProjectionChartName},
            {"yearDetails", kYearDetailsName},
            {"sustainAge", kSustainAgeName},
            {"grid", kGridName},
            {"gridLegend", kGridLegendName},
            {"todaysMoneyTip", kTodaysMoneyTip},
            {"inflation", kInflationName},
            {"inflationTip", kInflationTip},
            {"pathsDone", kPathsDoneName},
            {"comparisonDone", kComparisonDoneName},
            {"cancelRunTip", kCancelRunTip},
            {"scenarioFigures", kScenarioFiguresName}};
}

std::string Texts() {
    return Text({{"errorOpeningFile", kErrorOpeningFile},
                 {"fileFormatError", kFileFormatError},
                 {"errorSavingFile", kErrorSavingFile},
                 {"allocationError", kAllocationError},
                 {"enterInteger", kEnterInteger},
                 {"enterNumber", kEnterNumber},
                 {"riskCancelled", RiskCancelledText()},
                 {"confidenceRange", ConfidenceRangeText()},
                 {"riskCannotCalculate", CannotCalculateRisk()},
                 {"beyondLimit", PercentileText(std::nullopt, {})},
                 {"scenariosFull", ScenariosFullSentence()},
                 {"scenarioNeedsCalculation", ScenarioNeedsCalculationSentence()},
                 {"scenarioCancelled", ScenarioCancelledSentence()},
                 {"working", WorkingText()},
                 {"riskNeedsCalculation", RiskNeedsCalculationText()},
                 {"whatIfNeedsCalculation", WhatIfNeedsCalculationText()},
                 {"gridNeedsCalculation", GridNeedsCalculationText()},
                 {"gridNotCalculated", GridNotCalculatedText()},
                 {"yearDetailsNeedsCalculation", YearDetailsNeedsCalculationText()},
                 {"item", ItemHeading()},
                 {"amount", AmountHeading(std::nullopt)},
                 {"gridTitle", GridTitle()},
                 {"questionsIntro", QuestionsIntro()},
                 {"spreadTip", RiskSpreadTip()},
                 {"seedTip", RiskSeedTip()},
                 {"worstPathTip", RiskPathTip(true)},
                 {"medianPathTip", RiskPathTip(false)},
                 {"enterSpread", SpreadRangeText()},
                 {"enterUntilAge", UntilAgeRangeText()},
                 {"enterYear", YearRangeText()},

                 {"limits", Limits()},
                 {"controls", ControlNames()},
                 {"columns", kProjectionColumns},
                 {"series", SeriesNames()}});
}

// The plan opened also becomes the current plan, so that a worker that opened it can project
// it without having it handed back.
std::string OpenPlan(const std::string& bytes) {
    Plan plan;
    const PlanOpenResult result = ReadPlanFile(bytes, plan);
    if (result.status != PlanOpenStatus::Opened)
        return Text({{"error", kFileFormatError}});
    Json json{{"plan", PlanToJson(plan)}};
    CurrentPlan() = std::move(plan);
    if (result.Damaged())
        json["warning"] = DamagedFileMessage(result.damagedLine);
    return Text(json);
}

// null for text that is not a plan, as for the functions below that take one.
emscripten::val BytesOf(const Plan& plan) {
    const std::string bytes = PlanFileBytes(plan);
    const auto view = emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    // A copy: the view's memory goes with the string.
    return emscripten::val::global("Uint8Array").new_(view);
}

emscripten::val PlanBytes(const std::string& plan) {
    const std::optional<Plan> read = PlanFromJsonText(plan);
    return read ? BytesOf(*read) : emscripten::val::null();
}

// The same of the current plan, which a worker that holds it saves without being handed it
// again.
emscripten::val CurrentPlanBytes() {
    return BytesOf(CurrentPlan());
}

std::string NewPlan() {
    Plan plan;
    plan.Reset();
    return Text(PlanToJson(plan));
}

std::string RetirementDate(const std::string& plan) {
    std::optional<Plan> changed = PlanFromJsonText(plan);
    if (!changed)
        return Text(nullptr);
    changed->SetRetirementAge(changed->retirementAge);
    return Text(PlanToJson(*changed));
}

// The plan with a new item at index, given the defaults the dialogs give it.
std::string InsertItem(const std::string& plan, bool income, std::uint32_t index) {
    std::optional<Plan> changed = PlanFromJsonText(plan);
    if (!changed)
        return Text(nullptr);
    const std::size_t count = income ? changed->incomes.size() : changed->expenses.size();
    if (index > count)
        index = static_cast<std::uint32_t>(count);
    if (income)
        changed->InsertIncome(index);
    else
        changed->InsertExpense(index);
    return Text(PlanToJson(*changed));
}

// False, the current plan kept, for text that is not a plan.
bool SetPlan(const std::string& plan) {
    std::optional<Plan> read = PlanFromJsonText(plan);
    if (!read)
        return false;
    CurrentPlan() = std::move(*read);
    return true;
}

// The current plan edited, as EditPlanFromJsonText edits it; the list 0 for none, 1 for the
// incomes, 2 for the expenses.
bool EditPlan(const std::string& general, int list, std::uint32_t index, const std::string& item) {
    if (list < 0 || list > 2)
        return false;
    return EditPlanFromJsonText(CurrentPlan(), general, static_cast<EditedList>(list), index, item);
}

// The current plan projected with every year's breakdown, laid out as orbelan-cli explain
// --json lays it out.
std::string BreakdownJson() {
    const Plan& plan = CurrentPlan();
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    std::ostringstream out;
    WriteBreakdownJson(plan, table, outcome, JsonLayout::Compact, out);
    return out.str();
}

const char* MarkKind(ChartMarkKind kind) {
    switch (kind) {
    case ChartMarkKind::Retirement:
        return "retirement";
    case ChartMarkKind::NotCovered:
        return "notCovered";
    case ChartMarkKind::CalculationLimit:
        return "limit";
    }
    return "";
}

// The current plan projected, rows only, as orbelan-cli project --json gives it, with the
// message the desktop shows with it and the chart's marks as the desktop chart places them.
// Each year's breakdown is left to Year Details, which asks for one year at a time: for a
// plan of many items, all of them would be far bigger than the table.
std::string CalculateRows() {
    const Plan& plan = CurrentPlan();
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    Json json = Json::parse(FormatProjectionJson(table, outcome), nullptr, false);
    json["lastRowCovered"] = outcome.lastRowCovered;
    ChartEnding ending{outcome.lastRowCovered, std::nullopt};
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        ending.limitYear = outcome.stoppedYear;
    json["limitYear"] = ending.limitYear ? Json(*ending.limitYear) : Json(nullptr);
    Json marks = Json::array();
    for (const ChartMark& mark :
         ChartMarks(table.firstYear, table.rowCount, plan.retirementDate.GetYear(), ending))
        marks.push_back(
            {{"kind", MarkKind(mark.kind)}, {"year", mark.year}, {"text", MarkText(mark)}});
    json["marks"] = marks;
    if (outcome.status == ProjectionStatus::AllocationFailed)
        json["message"] = kAllocationError;
    else if (outcome.status == ProjectionStatus::AmountOutOfRange)
        json["message"] = LimitMessage(outcome.stoppedYear);
    return Text(json);
}

std::string ProjectionCsv() {
    ProjectionTable table;
    Calculate(CurrentPlan(), table);
    return FormatProjectionCsv(table);
}

std::string WhatIf(std::int32_t expensesPercent, std::int32_t returnPoints) {
    const Plan& plan = CurrentPlan();
    ProjectionTable table;
    const std::int32_t firstYear = FirstProjectionYear(plan);
    const std::optional<Reach> reach =
        ProjectReach(PlanVariant(plan, expensesPercent, returnPoints), firstYear, table);
    if (!reach)
        return Text({{"error", VariantNoMemoryText()}});
    Json rows = Json::array();
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        rows.push_back({table.firstYear + r, row.income, row.totalAssets, row.availableAssets,
                        row.withdrawals});
    }
    return Text({{"horizon", reach->horizon},
                 {"firstUncoveredYear",
                  reach->firstUncoveredYear ? Json(*reach->firstUncoveredYear) : Json(nullptr)},
                 {"limitYear", reach->limitYear ? Json(*reach->limitYear) : Json(nullptr)},
                 {"sentence", HorizonSentence(*reach, plan, firstYear)},
                 {"rows", rows}});
}

// With the plan's returns moved, as the What If view asks.
std::string Sustain(std::int32_t age, std::int32_t returnPoints) {
    if (const std::optional<std::string> problem = UntilAgeProblem(CurrentPlan(), age))
        return Text(
            {{"status", "ageProblem"}, {"percent", 0}, {"limitYear", 0}, {"sentence", *problem}});
    const SustainableSpending answer =
        FindSustainableSpending(ReturnsMovedBy(CurrentPlan(), returnPoints), age);
    const char* status = "found";
    switch (answer.status) {
    case SustainStatus::Found:
        break;
    case SustainStatus::NoneCovered:
        status = "none";
        break;
    case SustainStatus::InvalidBirthDate:
        status = "invalidBirthDate";
        break;
    case SustainStatus::StopsAtLimit:
        status = "limit";
        break;
    case SustainStatus::CannotCalculate:
    case SustainStatus::Stopped:
        status = "cannotCalculate";
        break;
    }
    return Text({{"status", status},
                 {"percent", answer.percent},
                 {"limitYear", answer.limitYear},
                 {"sentence", SustainableSentence(answer, returnPoints)}});
}

const char* BandName(HorizonBand band) {
    switch (band) {
    case HorizonBand::BeforeRetirement:
        return "beforeRetirement";
    case HorizonBand::BeforeAge:
        return "beforeAge";
    case HorizonBand::Lasting:
        return "lasting";
    case HorizonBand::UntilLimit:
        return "untilLimit";
    case HorizonBand::Unknown:
        break;
    }
    return "unknown";
}

// The grid as the desktop shows it for the age: each cell's horizon, its words and its band,
// the headings, the legend and the note below it; null when it cannot be calculated.
std::string Sensitivity(std::int32_t age) {
    const Plan& plan = CurrentPlan();
    const std::optional<HorizonGrid> grid = SensitivityGrid(plan);
    if (!grid)
        return Text(nullptr);
    Json cells = Json::array();
    for (const auto& row : *grid) {
        Json line = Json::array();
        for (const Reach& reach : row)
            line.push_back({{"horizon", reach.horizon},
                            {"text", GridCellText(reach)},
                            {"tip", GridCellTip(reach)},
                            {"band", BandName(BandOf(reach, plan, age))}});
        cells.push_back(line);
    }
    Json columns = Json::array();
    for (const std::int32_t percent : kGridExpensePercents)
        columns.push_back(GridExpensesHeading(percent));
    Json rows = Json::array();
    for (const std::int32_t points : kGridReturnPoints)
        rows.push_back(GridReturnsHeading(points));
    Json legend = Json::array();
    for (const GridLegendEntry& entry : GridLegend(*grid, plan, age))
        legend.push_back({{"band", BandName(entry.band)}, {"text", entry.text}});
    return Text({{"cells", cells},
                 {"percents", kGridExpensePercents},
                 {"points", kGridReturnPoints},
                 {"columns", columns},
                 {"rows", rows},
                 {"legend", legend},
                 {"note", GridNote(*grid, plan, age)}});
}

std::string PointsWords(std::int32_t points) {
    return PointsInWords(points);
}

// The Total Assets of a risk path or of another plan, by its name, as the chart names them.
std::string TotalAssetsName(const std::string& name) {
    return TotalAssetsOf(name);
}

// The years the chart runs over, as the desktop's chart and the report's work them out: the
// series drawn as [firstYear, count] pairs, the answer as {firstYear, count}. Anything else in
// the text adds no years.
std::string ChartYears(const std::string& series) {
    const Json given = Json::parse(series, nullptr, false);
    std::vector<YearSpan> spans;
    if (given.is_array())
        for (const Json& pair : given)
            if (pair.is_array() && pair.size() == 2 && pair[0].is_number_integer() &&
                pair[1].is_number_integer())
                spans.push_back({pair[0].get<std::int32_t>(), pair[1].get<std::int32_t>()});
    const YearSpan span = SpanningYears(spans);
    return Text({{"firstYear", span.firstYear}, {"count", span.count}});
}

// The titles of the chart's amount axis and of Year Details' amounts in the money of currentYear.
std::string TodaysMoneyWords(std::int32_t currentYear) {
    return Text({{"axis", TodaysMoneyTitle(currentYear)}, {"amount", AmountHeading(currentYear)}});
}

// A seed that is no number, with what the Risk view and the Scenarios view say of it.
const std::string kRiskBadSeed = Text({{"status", "badSeed"}, {"answer", EnterSeedText()}});
const std::string kScenarioBadSeed =
    Text({{"status", "badSeed"}, {"sentence", EnterSeedInRiskText()}});

// The page writes the numbers of a sentence for its locale: numbers.whole is given a count or
// an amount, numbers.tenths a share in tenths of a percent.
NumberWords PageNumbers(const emscripten::val& numbers) {
    return {
        [&numbers](std::int64_t number) {
            return numbers.call<std::string>("whole", static_cast<double>(number));
        },
        [&numbers](std::int32_t tenths) { return numbers.call<std::string>("tenths", tenths); }};
}

// The risk run, on this thread: the page runs it in a worker of its own. progress, when a
// function, is told the number of paths done now and then.
std::string Risk(std::int32_t paths, std::int32_t spread, const std::string& seed,
                 std::int32_t untilAge, const emscripten::val& progress,
                 const emscripten::val& numbers) {
    const std::optional<RiskSettings> settings = RiskSettingsFrom(paths, spread, seed, untilAge);
    if (!settings)
        return kRiskBadSeed;
    RiskProgress report;
    if (progress.typeOf().as<std::string>() == "function")
        report = [&progress](std::int32_t done) { progress(done); };
    return RiskRunJson(CurrentPlan(), *settings, report, PageNumbers(numbers));
}

// What can be spent at the confidence, over the risk run's paths, on this thread: the page runs
// it in the risk run's worker. A confidence out of its range is refused in the core's words.
std::string Goal(std::int32_t paths, std::int32_t spread, const std::string& seed,
                 std::int32_t untilAge, std::int32_t confidence, const emscripten::val& numbers) {
    const std::optional<RiskSettings> settings = RiskSettingsFrom(paths, spread, seed, untilAge);
    if (!settings)
        return Text({{"status", "problem"}, {"spendingText", EnterSeedText()}, {"lastsText", ""}});
    if (confidence < kMinGoalConfidence || confidence > kMaxGoalConfidence)
        return Text(
            {{"status", "problem"}, {"spendingText", ConfidenceRangeText()}, {"lastsText", ""}});
    return GoalRunJson(CurrentPlan(), GoalSettings{*settings, confidence}, {},
                       PageNumbers(numbers));
}

// The current plan beside the others (a JSON array of plans), named by their files (a JSON array
// of the file names, the current plan's first), all run on the same paths, on this thread: the
// page runs it in a worker. progress, when a function, is told the share done now and then, in
// thousandths.
std::string CompareWithOthers(const std::string& others, const std::string& files,
                              std::int32_t paths, std::int32_t spread, const std::string& seed,
                              std::int32_t untilAge, const emscripten::val& progress) {
    const std::optional<RiskSettings> settings = RiskSettingsFrom(paths, spread, seed, untilAge);
    if (!settings)
        return kScenarioBadSeed;
    // Plans and names the page should not have sent are refused, not thrown on.
    const Json othersJson = Json::parse(others, nullptr, false);
    const Json filesJson = Json::parse(files, nullptr, false);
    const Json refused = {{"status", "problem"}, {"sentence", kFileFormatError}};
    if (!othersJson.is_array() || !filesJson.is_array())
        return Text(refused);
    std::vector<Plan> plans{CurrentPlan()};
    for (const Json& plan : othersJson) {
        std::optional<Plan> read = PlanFromJson(plan);
        if (!read)
            return Text(refused);
        plans.push_back(std::move(*read));
    }
    std::vector<std::string> names;
    for (const Json& name : filesJson) {
        if (!name.is_string())
            return Text(refused);
        names.push_back(name.get<std::string>());
    }
    ScenarioProgress report;
    if (progress.typeOf().as<std::string>() == "function")
        report = [&progress](std::int64_t done, std::int64_t total) {
            progress(static_cast<std::int32_t>(done * 1000 / std::max<std::int64_t>(total, 1)));
        };
    return ScenarioRunJson(plans, names, *settings, report);
}

std::string RiskPath(std::int32_t paths, std::int32_t spread, const std::string& seed,
                     std::int32_t untilAge, std::int32_t path) {
    const std::optional<RiskSettings> settings = RiskSettingsFrom(paths, spread, seed, untilAge);
    return settings ? RiskPathJson(CurrentPlan(), *settings, path) : Text(nullptr);
}

// The page writes a sentence's amounts as it shows them elsewhere: text.amount is given an
// amount as shown. Rates keep the '.' the page's other rates show.
ExplanationText PageText(const emscripten::val& text) {
    return {[](float rate) { return FormatSixDigits(static_cast<double>(rate)); },
            [&text](std::int64_t amount) {
                return text.call<std::string>("amount", static_cast<double>(amount));
            }};
}

// In today's money when todaysMoney, in the year's own otherwise.
ExplanationSettings LineSettings(bool todaysMoney, float inflation, std::int32_t currentYear) {
    ExplanationSettings settings;
    if (todaysMoney)
        settings.todaysMoney = TodaysMoneyBasis{inflation, currentYear};
    return settings;
}

// The lines of Year Details for a year of the plan, as the desktop shows them; null for a year
// the projection does not reach.
std::string YearLines(std::int32_t year, bool todaysMoney, float inflation,
                      std::int32_t currentYear, const emscripten::val& text) {
    const Plan& plan = CurrentPlan();
    const std::optional<YearBreakdown> breakdown = ExplainYear(plan, year);
    if (!breakdown)
        return Text(nullptr);
    return ExplanationJson(*breakdown, plan, PageText(text),
                           LineSettings(todaysMoney, inflation, currentYear))
        .dump(-1, ' ', true, nlohmann::ordered_json::error_handler_t::replace);
}

// The same for a year of a path of the risk run, which the lines call by name.
std::string ExplainPathYear(std::int32_t paths, std::int32_t spread, const std::string& seed,
                            std::int32_t untilAge, std::int32_t path, std::int32_t year,
                            const std::string& name, bool todaysMoney, float inflation,
                            std::int32_t currentYear, const emscripten::val& text) {
    const std::optional<RiskSettings> settings = RiskSettingsFrom(paths, spread, seed, untilAge);
    if (!settings)
        return Text(nullptr);
    ExplanationSettings lines = LineSettings(todaysMoney, inflation, currentYear);
    lines.path = ExplainedPath{name, 0};
    return PathYearJson(CurrentPlan(), *settings, path, year, PageText(text), lines);
}

// A stored name, as the page holds it, as every edition shows it.
std::string DisplayNameOf(const std::string& stored) {
    return DisplayName(Latin1Utf8ToBytes(stored).value_or(stored));
}

// An amount as the chart and Year Details show it in today's money. A double, since Year
// Details' sums can leave 32 bits; whatever leaves them shows at the limit all the same.
std::int32_t TodaysMoney(double amount, float inflation, std::int32_t year,
                         std::int32_t currentYear) {
    constexpr double kBound = 1e15;
    const double whole = std::isnan(amount) ? 0 : std::clamp(amount, -kBound, kBound);
    return ShownInTodaysMoney(static_cast<std::int64_t>(whole), inflation, year, currentYear);
}

// A field's text as the dialogs read it: the value, or the dialogs' refusal.
std::string ParseInteger(const std::string& text) {
    const auto value = ParseIntegerText(text);
    if (value)
        return Text({{"value", *value}});
    return Text({{"error", IsIntegerBeyondRange(text) ? IntegerRangeText() : kEnterInteger}});
}

std::string ParseRate(const std::string& text) {
    const auto value = ParseRealText(text);
    if (!value)
        return Text({{"error", kEnterNumber}});
    return Text({{"value", RateBits(*value)}});
}

std::string ShowRate(std::uint32_t bits) {
    return FormatRate(RateFromBits(bits));
}

// null for text that is not a plan.
std::string PlanChecks(const std::string& plan) {
    const std::optional<Plan> read = PlanFromJsonText(plan);
    return Text(read ? PlanChecksJson(CheckPlan(*read)) : Json(nullptr));
}

// The same of the current plan, which a worker that holds it checks without being handed it
// again.
std::string CurrentPlanChecks() {
    return Text(PlanChecksJson(CheckPlan(CurrentPlan())));
}

// The sentence that What If and Risk give instead of answers for a plan with no first year:
// null when it has one, and the file format error for text that is not a plan.
std::string NoFirstYear(const std::string& plan) {
    const std::optional<Plan> read = PlanFromJsonText(plan);
    if (!read)
        return Text(kFileFormatError);
    const std::optional<PlanProblem> problem = NoFirstYearProblem(*read);
    return Text(problem ? Json(problem->sentence) : Json(nullptr));
}

std::string CurrentNoFirstYear() {
    const std::optional<PlanProblem> problem = NoFirstYearProblem(CurrentPlan());
    return Text(problem ? Json(problem->sentence) : Json(nullptr));
}

std::string DefaultAnswers(std::int32_t currentYear) {
    return Text(AnswersToJson(DefaultPlanAnswers(currentYear)));
}

// The plan from the questions' answers; null for answers the page should not have sent.
std::string PlanFromQuestions(const std::string& answers, std::int32_t currentYear) {
    const std::optional<PlanAnswers> read = AnswersFromJson(Json::parse(answers, nullptr, false));
    return Text(read ? PlanToJson(PlanFromAnswers(*read, currentYear)) : Json(nullptr));
}

std::string SaveName(const std::string& name) {
    return RepairPlanExtension(name);
}

std::string SaveChanges(const std::string& name) {
    return SaveChangesQuestion(name);
}

} // namespace

EMSCRIPTEN_BINDINGS(orbelan) {
    emscripten::function("texts", &Texts);
    emscripten::function("openPlan", &OpenPlan);
    emscripten::function("planBytes", &PlanBytes);
    emscripten::function("newPlan", &NewPlan);
    emscripten::function("withRetirementDate", &RetirementDate);
    emscripten::function("insertItem", &InsertItem);
    emscripten::function("setPlan", &SetPlan);
    emscripten::function("editPlan", &EditPlan);
    emscripten::function("currentPlanBytes", &CurrentPlanBytes);
    emscripten::function("calculate", &CalculateRows);
    emscripten::function("projectionCsv", &ProjectionCsv);
    emscripten::function("breakdownJson", &BreakdownJson);
    emscripten::function("whatIf", &WhatIf);
    emscripten::function("sustain", &Sustain);
    emscripten::function("sensitivity", &Sensitivity);
    emscripten::function("pointsInWords", &PointsWords);
    emscripten::function("totalAssetsOf", &TotalAssetsName);
    emscripten::function("chartYears", &ChartYears);
    emscripten::function("todaysMoneyWords", &TodaysMoneyWords);
    emscripten::function("risk", &Risk);
    emscripten::function("riskPath", &RiskPath);
    emscripten::function("goal", &Goal);
    emscripten::function("compareScenarios", &CompareWithOthers);
    emscripten::function("yearLines", &YearLines);
    emscripten::function("explainPathYear", &ExplainPathYear);
    emscripten::function("todaysMoney", &TodaysMoney);
    emscripten::function("parseInteger", &ParseInteger);
    emscripten::function("parseRate", &ParseRate);
    emscripten::function("showRate", &ShowRate);
    emscripten::function("saveName", &SaveName);
    emscripten::function("saveChangesQuestion", &SaveChanges);
    emscripten::function("planChecks", &PlanChecks);
    emscripten::function("noFirstYear", &NoFirstYear);
    emscripten::function("currentPlanChecks", &CurrentPlanChecks);
    emscripten::function("currentNoFirstYear", &CurrentNoFirstYear);
    emscripten::function("defaultAnswers", &DefaultAnswers);
    emscripten::function("planFromQuestions", &PlanFromQuestions);
    emscripten::function("displayName", &DisplayNameOf);
}
