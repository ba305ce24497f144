#include "report/ScenarioCsv.h"

#include "report/ChartScale.h"
#include "report/ChartWords.h"

#include <cstdint>
#include <vector>

namespace {

// A field as CSV needs it: quoted, with its quotes doubled, when it holds a comma, a quote or a
// line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

} // namespace

std::string FormatScenarioCsv(const ScenarioComparison& comparison,
                              std::span<const std::string> names) {
    std::string text = "Year";
    std::vector<YearSpan> years;
    for (std::size_t p = 0; p < comparison.plans.size(); ++p) {
        text += ',' + CsvField(TotalAssetsOf(names[p]));
        const ProjectionTable& table = comparison.plans[p].table;
        years.push_back({table.firstYear, table.rowCount});
    }
    text += '\n';
    // The rows the chart has columns for, so that a plan starting first keeps its first years.
    const YearSpan span = SpanningYears(years);
    for (std::int64_t y = 0; y < span.count; ++y) {
        const auto year = static_cast<std::int32_t>(span.firstYear + y);
        text += std::to_string(year);
        for (const ScenarioResult& plan : comparison.plans) {
            const std::int32_t r = year - plan.table.firstYear;
            text += ',';
            if (r >= 0 && r < plan.table.rowCount)
                text += std::to_string(plan.table.rows[static_cast<std::size_t>(r)].totalAssets);
        }
        text += '\n';
    }
    return text;
}
