#include "cli/ReportCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/LongCalculations.h"
#include "cli/RiskSettingsArguments.h"
#include "cli/ScenarioPlans.h"
#include "cli/StderrUiServices.h"
#include "cli/TodaysMoneyOption.h"
#include "persist/ExportFile.h"
#include "persist/PlanFileOpen.h"
#include "persist/UserMessages.h"
#include "print/ProjectionReport.h"
#include "report/ScenarioText.h"
#include "session/ComparisonAnswer.h"
#include "session/ProjectionAnswer.h"
#include "session/RiskAnswers.h"

#include <QDate>
#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Qt's notes on its own setting up, such as a missing runtime folder that drawing a PDF never
// uses, are not the command's to print: a report that succeeds prints nothing on standard
// error. Only what stops Qt reaches it.
void OnlyQtFailures(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Fonts and the PDF writer need a Qt Gui application; the command line has no display, so it
// draws on the offscreen platform. Qt takes the options it reads out of the arguments, so each
// application gets arguments of its own.
class OffscreenApplication {
public:
    OffscreenApplication() {
        qInstallMessageHandler(OnlyQtFailures);
        if (QGuiApplication::instance() == nullptr)
            m_application = std::make_unique<QGuiApplication>(m_argc, m_argv.data());
    }

private:
    char m_program[12] = "orbelan-cli";
    char m_option[10] = "-platform";
    char m_platform[10] = "offscreen";
    int m_argc = 3;
    std::array<char*, 4> m_argv{m_program, m_option, m_platform, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
};

} // namespace

int RunReport(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const CommandSyntax syntax{
        {"--risk"},
        {"--todays-money", "--until-age", "--compare"},
        FileCount{2, "report needs FILE and OUT.pdf", "report takes one FILE and one OUT.pdf"}};
    const auto parsed = ParseCommandArguments(args, syntax, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    std::optional<float> inflation;
    if (const std::optional<std::string> given = arguments.Value("--todays-money")) {
        inflation = ParseInflation(*given);
        if (!inflation)
            return Usage(err, InflationUsage());
    }
    ReportRequest request;
    if (!ReadUntilAge(arguments, request.untilAge, err))
        return kExitUsage;
    const std::string& path = arguments.operands[0];
    // A report given a plan's name by mistake (the input's own, say) would replace the plan.
    if (IsPlanFile(arguments.operands[1])) {
        err << kErrorSavingFile << '\n'
            << arguments.operands[1] << ": is a plan file, which a report never replaces\n";
        return kExitCannotSave;
    }
    Plan plan;
    if (!OpenForProjection(path, plan, err))
        return kExitCannotOpen;
    // An age given that asks nothing of the plan is refused; one left at its default is said in
    // the summary instead.
    if (arguments.Value("--until-age")) {
        const std::optional<Verdict> verdict = PlanVerdict(plan, request.untilAge);
        if (verdict && verdict->status == AnswerStatus::AgeBeforeFirstYear)
            return SayVerdict(*verdict, err);
    }
    const ProjectionAnswer projection = AskProjection(plan);
    if (!projection.verdict.Answered())
        return SayVerdict(projection.verdict, err);
    RiskSettings settings;
    settings.untilAge = request.untilAge;
    // A plan that risk cannot be asked of is reported without it: the summary says why, in the
    // words risk itself uses.
    if (arguments.Has("--risk")) {
        RiskRunAnswer risk = AskRiskShowingProgress(plan, settings, err);
        if (risk.verdict.status == AnswerStatus::CannotCalculate)
            return SayVerdict(risk.verdict, err);
        if (risk.verdict.Answered()) {
            request.risk = std::move(risk.summary);
            GoalRunAnswer goal = AskGoalShowingProgress(plan, GoalSettings{settings}, err);
            if (goal.verdict.status == AnswerStatus::CannotCalculate)
                return SayVerdict(goal.verdict, err);
            if (goal.verdict.Answered())
                request.goal = goal.goal;
        } else {
            err << "Warning: " << risk.verdict.sentence << '\n';
        }
    }
    // The plans to compare run on risk's default paths, to the report's age.
    std::vector<std::string> files{path};
    for (const auto& [option, value] : arguments.values)
        if (option == "--compare")
            files.push_back(value);
    if (files.size() > kMaxScenarios)
        return Usage(err, "--compare takes at most three other FILEs");
    if (files.size() > 1) {
        const std::optional<std::vector<Plan>> plans = OpenScenarioPlans(files, {plan}, err);
        if (!plans)
            return kExitCannotOpen;
        ComparisonAnswer compared = AskComparisonShowingProgress(*plans, settings, err);
        if (!compared.verdict.Answered())
            return SayVerdict(compared.verdict, err);
        request.scenarios = ReportScenarios{ScenarioNames(files), std::move(compared.comparison)};
    }
    const OffscreenApplication application;
    std::optional<TodaysMoneyNote> todaysMoney;
    if (inflation)
        todaysMoney = TodaysMoneyNote{QDate::currentDate().year(), *inflation};
    const QString name = QString::fromStdString(std::filesystem::path(path).filename().string());
    const std::optional<QByteArray> bytes = ProjectionReportPdf(MakeReportContent(
        ReportTitle(name), plan, projection.table, projection.ending, todaysMoney, request));
    if (!bytes) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    StderrUiServices ui(err);
    const bool written = WriteExportFile(
        arguments.operands[1],
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())), ui);
    return written ? kExitSuccess : kExitCannotSave;
}
