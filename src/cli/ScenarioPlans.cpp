#include "cli/ScenarioPlans.h"

#include "cli/CliSupport.h"
#include "cli/ExitStatus.h"
#include "cli/LongRun.h"
#include "persist/UserMessages.h"
#include "report/UntilAgeCheck.h"

std::variant<int, std::vector<Plan>> OpenScenarioPlans(std::span<const std::string> files,
                                                       std::vector<Plan> opened,
                                                       std::int32_t untilAge, std::ostream& err) {
    for (std::size_t p = opened.size(); p < files.size(); ++p) {
        opened.emplace_back();
        if (!OpenForProjection(files[p], opened.back(), err))
            return kExitCannotOpen;
    }
    if (!AgeCanBeAsked(UntilAgeProblem(opened, files, untilAge), err))
        return kExitUsage;
    return opened;
}

std::optional<int> ComparisonFailure(const ScenarioComparison& comparison,
                                     std::span<const std::string> files, std::ostream& err) {
    switch (comparison.status) {
    case ScenarioStatus::Done:
        return std::nullopt;
    case ScenarioStatus::Stopped:
        err << kStoppedByInterrupt << '\n';
        return kExitInterrupted;
    case ScenarioStatus::InvalidBirthDate:
        err << "orbelan-cli: " << files[comparison.failedPlan] << ": " << kNoAge << '\n';
        return kExitCannotOpen;
    case ScenarioStatus::CannotCalculate:
        break;
    }
    err << kAllocationError << '\n';
    return kExitCannotCalculate;
}
