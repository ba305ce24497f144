#include "report/ScenarioCsv.h"

#include "report/ChartWords.h"

#include <algorithm>
#include <limits>

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
    std::int32_t first = std::numeric_limits<std::int32_t>::max();
    std::int32_t end = std::numeric_limits<std::int32_t>::min();
    for (std::size_t p = 0; p < comparison.plans.size(); ++p) {
        text += ',' + CsvField(TotalAssetsOf(names[p]));
        const ProjectionTable& table = comparison.plans[p].table;
        if (table.rowCount > 0) {
            first = std::min(first, table.firstYear);
            end = std::max(end, table.firstYear + table.rowCount);
        }
    }
    text += '\n';
    for (std::int32_t year = first; year < end; ++year) {
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
