#include "cli/SensitivityCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "report/SignedPoints.h"
#include "session/WhatIfAnswers.h"

int RunSensitivity(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(args, {}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    Plan plan;
    if (!OpenForProjection(std::get<CommandArguments>(parsed).operands.front(), plan, err))
        return kExitCannotOpen;
    const GridAnswer answer = AskSensitivityGrid(plan, kDefaultUntilAge);
    if (!answer.verdict.Answered())
        return SayVerdict(answer.verdict, err);
    out << "returns";
    for (const std::int32_t percent : kGridExpensePercents)
        out << ',' << percent << '%';
    out << '\n';
    for (std::size_t row = 0; row < kGridReturnPoints.size(); ++row) {
        out << SignedPoints(kGridReturnPoints[row]);
        for (const Reach& reach : answer.grid[row])
            out << ',' << HorizonLabel(reach);
        out << '\n';
    }
    return kExitSuccess;
}
