#include "cli/SustainCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/LongRun.h"
#include "cli/RiskSettingsArguments.h"
#include "model/Plan.h"
#include "report/WhatIfText.h"
#include "session/WhatIfAnswers.h"

int RunSustain(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(args, {{}, {"--until-age"}}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CommandArguments& arguments = std::get<CommandArguments>(parsed);
    std::int32_t age = kDefaultUntilAge;
    if (!ReadUntilAge(arguments, age, err))
        return kExitUsage;
    Plan plan;
    if (!OpenForProjection(arguments.operands.front(), plan, err))
        return kExitCannotOpen;
    const SustainAnswer answer = RunLong(
        "spendings", kSpendingsToTry, err, [&](StopToken stop, const SpendingProgress& progress) {
            return AskSustainableSpending(plan, age, stop, progress, 0);
        });
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    out << SustainLine(age, answer.spending) << '\n';
    return kExitSuccess;
}
