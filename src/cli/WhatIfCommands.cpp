#include "cli/WhatIfCommands.h"

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "model/WhatIf.h"
#include "persist/UserMessages.h"

int Sustain(const std::string& path, std::int32_t age, std::ostream& out, std::ostream& err) {
    Plan plan;
    if (!OpenForProjection(path, plan, err))
        return kExitCannotOpen;
    const SustainableSpending answer = FindSustainableSpending(plan, age);
    switch (answer.status) {
    case SustainStatus::InvalidBirthDate:
        err << "orbelan-cli: the plan's birth date is invalid, so it has no age\n";
        return kExitCannotOpen;
    case SustainStatus::CannotCalculate:
    case SustainStatus::Stopped:
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    case SustainStatus::NoneCovered:
        out << "sustainable spending to age " << age << ": none\n";
        return kExitSuccess;
    case SustainStatus::Found:
        break;
    }
    out << "sustainable spending to age " << age << ": " << answer.percent << "%\n";
    return kExitSuccess;
}

int Sensitivity(const std::string& path, std::ostream& out, std::ostream& err) {
    Plan plan;
    if (!OpenForProjection(path, plan, err))
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
        const std::int32_t points = kGridReturnPoints[row];
        out << (points < 0 ? '-' : '+') << (points < 0 ? -points : points);
        for (const std::int32_t horizon : (*grid)[row])
            out << ',' << horizon;
        out << '\n';
    }
    return kExitSuccess;
}
