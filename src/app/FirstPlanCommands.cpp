#include "app/FirstPlanCommands.h"

#include "dialogs/CPlanQuestionsDlg.h"
#include "model/PlanDate.h"
#include "model/PlanQuestions.h"
#include "persist/CTessalyDoc.h"
#include "platform/DocumentManager.h"
#include "platform/UiServices.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path ExamplePath(const std::string& programFolder) {
    return std::filesystem::path(programFolder) / ".." / "share" / "orbelan" / "examples" /
           "household.Orbe";
}

} // namespace

void NewPlanFromQuestions(QWidget* parent, CTessalyDoc& document, DocumentManager& manager,
                          UiServices& ui, const DialogRunner& run) {
    const std::int32_t year = CurrentLocalYear();
    PlanAnswers answers = DefaultPlanAnswers(year);
    // The questions come first: Cancel there leaves the current plan as it was.
    if (!AskPlanQuestions(parent, answers, ui, run) || !manager.OnFileNew())
        return;
    document.m_plan = PlanFromAnswers(answers, year);
    document.SetModifiedFlag(true);
    document.Calculate();
}

std::optional<std::string> FindExamplePlan(const std::string& programFolder) {
    const std::filesystem::path path = ExamplePath(programFolder).lexically_normal();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path.string();
}

void OpenExamplePlan(const std::string& programFolder, DocumentManager& manager, UiServices& ui) {
    if (const std::optional<std::string> path = FindExamplePlan(programFolder)) {
        manager.OpenDocumentFile(*path);
        return;
    }
    ui.ShowMessage("The example plan is not installed with this copy of Orbelan.",
                   ExamplePath(programFolder).lexically_normal().string());
}
