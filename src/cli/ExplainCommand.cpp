#include "cli/ExplainCommand.h"

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/ExplainText.h"
#include "model/YearBreakdown.h"
#include "persist/UserMessages.h"
#include "report/ProjectionJson.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace {

std::optional<std::int32_t> ParseYear(const std::string& text) {
    std::int32_t year = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, year);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return year;
}

} // namespace

int Explain(std::span<const std::string> operands, bool json, std::ostream& out,
            std::ostream& err) {
    const std::size_t expected = json ? 1 : 2;
    if (operands.size() != expected)
        return Usage(err, json ? "explain --json takes one FILE" : "explain takes FILE and YEAR");
    std::optional<std::int32_t> year;
    if (!json) {
        year = ParseYear(operands[1]);
        if (!year)
            return Usage(err, "YEAR must be a whole number, not '" + operands[1] + "'");
    }
    Plan plan;
    if (!OpenForProjection(operands[0], plan, err))
        return kExitCannotOpen;
    const ProjectionBreakdown breakdown = ExplainProjection(plan);
    if (breakdown.outcome.status == ProjectionStatus::AllocationFailed) {
        err << kAllocationError << '\n';
        return kExitCannotCalculate;
    }
    if (breakdown.outcome.status == ProjectionStatus::AmountOutOfRange)
        err << OutOfRangeMessage(breakdown.outcome.stoppedYear) << '\n';
    if (json) {
        out << FormatBreakdownJson(breakdown);
        return kExitSuccess;
    }
    for (const YearBreakdown& shown : breakdown.years) {
        if (shown.year == *year) {
            out << FormatYearExplanation(plan, shown);
            return kExitSuccess;
        }
    }
    const ProjectionTable& table = breakdown.table;
    std::string problem = "the projection has no year " + operands[1];
    if (table.rowCount > 0) {
        problem += " (it covers " + std::to_string(table.firstYear) + " to " +
                   std::to_string(table.firstYear + table.rowCount - 1) + ")";
    }
    return Usage(err, problem);
}
