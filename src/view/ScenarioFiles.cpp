#include "view/ScenarioFiles.h"

#include "persist/CTessalyDoc.h"
#include "persist/ExportFile.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileNaming.h"
#include "persist/PlanFileOpen.h"
#include "persist/UserMessages.h"
#include "platform/FilePaths.h"
#include "platform/UiServices.h"
#include "report/ScenarioText.h"
#include "view/RiskPane.h"
#include "view/ScenariosPane.h"
#include "view/WhatIfPane.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace {

bool HasRoom(const ScenariosPane& scenarios, UiServices& ui) {
    if (scenarios.Scenarios().size() + 1 < kMaxScenarios)
        return true;
    ui.ShowMessage(ScenariosFullSentence());
    return false;
}

// The same file, by the kernel's meaning of the two names where both exist.
bool SameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return !first.empty() && !second.empty() &&
           std::filesystem::equivalent(PathFromUtf8(first), PathFromUtf8(second), error);
}

// A variant of the open plan at expensesPercent and returnPoints, kept as a plan file of its own.
void KeepVariant(const CTessalyDoc& document, const std::optional<Plan>& variant,
                 std::int32_t expensesPercent, std::int32_t returnPoints, ScenariosPane& scenarios,
                 UiServices& ui) {
    if (!variant || !HasRoom(scenarios, ui))
        return;
    const std::filesystem::path plan = PathFromUtf8(document.GetPathName());
    const std::string stem =
        document.GetPathName().empty() ? document.GetTitle() : Utf8FromPath(plan.stem());
    const std::filesystem::path folder = plan.parent_path();
    const std::string proposed =
        Utf8FromPath(folder / PathFromUtf8(VariantFileStem(stem, expensesPercent, returnPoints) +
                                           kPlanExtension));
    const std::optional<std::string> chosen = ui.ChooseSaveFile(proposed);
    if (!chosen)
        return;
    const std::string path = RepairPlanExtension(*chosen);
    if (SameFile(path, document.GetPathName())) {
        ui.ShowMessage(KeepOverOpenPlanSentence(), path);
        return;
    }
    if (WriteExportFile(path, PlanFileBytes(*variant), ui))
        scenarios.AddScenario(path, *variant);
}

} // namespace

void OnCompareWith(ScenariosPane& scenarios, UiServices& ui) {
    if (!HasRoom(scenarios, ui))
        return;
    const std::optional<std::string> path = ui.ChooseOpenFile();
    if (!path)
        return;
    Plan plan;
    const PlanOpenResult opened = OpenPlanFile(PathFromUtf8(*path), plan);
    if (opened.status != PlanOpenStatus::Opened) {
        ui.ShowMessage(std::string(kErrorOpeningFile), FileErrorDetail(*path, opened.error));
        return;
    }
    // A damaged plan still compares, as it still projects, but the user is told.
    if (opened.Damaged())
        ui.ShowMessage(DamagedFileMessage(opened.damagedLine), *path);
    scenarios.AddScenario(*path, plan);
}

void OnKeepAsScenario(const CTessalyDoc& document, const WhatIfPane& whatIf,
                      ScenariosPane& scenarios, UiServices& ui) {
    KeepVariant(document, whatIf.VariantPlan(), whatIf.ExpensesPercent(), whatIf.ReturnPoints(),
                scenarios, ui);
}

void OnKeepGoalAsScenario(const CTessalyDoc& document, const RiskPane& risk,
                          ScenariosPane& scenarios, UiServices& ui) {
    if (const std::optional<GoalAnswer>& goal = risk.Goal(); goal && goal->spending)
        KeepVariant(document, risk.GoalPlan(), *goal->spending, 0, scenarios, ui);
}
