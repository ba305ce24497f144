#include "cli/ReportCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/RiskSettingsArguments.h"
#include "cli/ScenarioPlans.h"
#include "cli/StderrUiServices.h"
#include "cli/TodaysMoneyOption.h"
#include "model/Projection.h"
#include "model/Risk.h"
#include "persist/ExportFile.h"
#include "persist/PlanFileOpen.h"
#include "persist/UserMessages.h"
#include "print/ProjectionReport.h"
#include "report/ScenarioText.h"
#include "report/UntilAgeCheck.h"

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
            return Usage(err, "--todays-money needs an inflation rate from 0 to 100");
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
    // An age left at its default that asks nothing is said in the summary instead.
    const std::optional<std::string> ageProblem = UntilAgeProblem(plan, request.untilAge);
    if (arguments.Value("--until-age") && !AgeCanBeAsked(ageProblem, err))
        return kExitUsage;
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    if (outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    ChartEnding ending{outcome.lastRowCovered, std::nullopt};
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        ending.limitYear = outcome.stoppedYear;

    // The share of paths that last needs an age it can be asked of: a plan without a birth date,
    // or before whose first year the age falls, is reported without it, as the summary says.
    if (arguments.Has("--risk") && plan.birthDate.IsValid() && !ageProblem) {
        RiskSettings settings;
        settings.untilAge = request.untilAge;
        request.risk = RunRisk(plan, settings);
        if (request.risk->status == RiskStatus::CannotCalculate) {
            err << kAllocationError << '\n';
            return kExitCannotCalculate;
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
        const auto opened = OpenScenarioPlans(files, {plan}, request.untilAge, err);
        if (const int* status = std::get_if<int>(&opened))
            return *status;
        RiskSettings settings;
        settings.untilAge = request.untilAge;
        ReportScenarios scenarios{ScenarioNames(files),
                                  CompareScenarios(std::get<std::vector<Plan>>(opened), settings)};
        if (const std::optional<int> status = ComparisonFailure(scenarios.comparison, files, err))
            return *status;
        request.scenarios = std::move(scenarios);
    }

    const OffscreenApplication application;
    std::optional<TodaysMoneyNote> todaysMoney;
    if (inflation)
        todaysMoney = TodaysMoneyNote{QDate::currentDate().year(), *inflation};
    const QString name = QString::fromStdString(std::filesystem::path(path).filename().string());
    const std::optional<QByteArray> bytes = ProjectionReportPdf(
        MakeReportContent(ReportTitle(name), plan, table, ending, todaysMoney, request));
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
