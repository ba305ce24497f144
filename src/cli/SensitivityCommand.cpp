#include "cli/SensitivityCommand.h"

#include "cli/CliSupport.h"
#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "model/WhatIf.h"
#include "persist/UserMessages.h"
#include "report/SignedPoints.h"

int RunSensitivity(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(args, {}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    Plan plan;
    if (!OpenForAnswers(std::get<CommandArguments>(parsed).operands.front(), plan, err))
        return kExitCannotOpen;
    const std::optional<HorizonGrid> grid = SensitivityGrid(plan);
    if (!grid) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    out << "returns";
    for (const std::int32_t percent : kGridExpensePercents)
        out << ',' << percent << '%';
    out << '\n';
    for (std::size_t row = 0; row < kGridReturnPoints.size(); ++row) {
        out << SignedPoints(kGridReturnPoints[row]);
        for (const Reach& reach : (*grid)[row])
            out << ',' << HorizonLabel(reach);
        out << '\n';
    }
    return kExitSuccess;
}
