#include "cli/SustainCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/LongRun.h"
#include "cli/RiskSettingsArguments.h"
#include "model/Plan.h"
#include "model/WhatIf.h"
#include "persist/UserMessages.h"
#include "report/UntilAgeCheck.h"
#include "report/WhatIfText.h"

int RunSustain(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(args, {{}, {"--until-age"}}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    std::int32_t age = kDefaultUntilAge;
    if (!ReadUntilAge(arguments, age, err))
        return kExitUsage;
    Plan plan;
    if (!OpenForAnswers(arguments.operands.front(), plan, err))
        return kExitCannotOpen;
    if (!AgeCanBeAsked(UntilAgeProblem(plan, age), err))
        return kExitUsage;
    const SustainableSpending answer = RunLong(
        "spendings", kSpendingsToTry, err, [&](StopToken stop, const SpendingProgress& progress) {
            return FindSustainableSpending(plan, age, stop, progress, 0);
        });
    switch (answer.status) {
    case SustainStatus::InvalidBirthDate:
        err << "orbelan-cli: " << kNoAge << '\n';
        return kExitCannotOpen;
    case SustainStatus::CannotCalculate:
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    case SustainStatus::Stopped:
        err << kStoppedByInterrupt << '\n';
        return kExitInterrupted;
    case SustainStatus::NoneCovered:
    case SustainStatus::StopsAtLimit:
    case SustainStatus::Found:
        break;
    }
    out << SustainLine(age, answer) << '\n';
    return kExitSuccess;
}
