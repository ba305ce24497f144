#include "cli/ProjectionText.h"

#include "report/ProjectionColumns.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kColumns = kProjectionColumns.size();

std::vector<std::array<std::string, kColumns>> Cells(const ProjectionTable& table) {
    std::vector<std::array<std::string, kColumns>> cells;
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        cells.push_back({std::to_string(table.firstYear + r), std::to_string(row.income),
                         std::to_string(row.totalAssets), std::to_string(row.availableAssets),
                         std::to_string(row.withdrawals)});
    }
    return cells;
}

void AppendPadded(std::string& line, const std::string& text, std::size_t width, bool left) {
    const std::string fill(width - text.size(), ' ');
    line += left ? text + fill : fill + text;
}

} // namespace

std::string FormatProjectionTable(const ProjectionTable& table) {
    const auto cells = Cells(table);
    std::array<std::size_t, kColumns> widths{};
    for (std::size_t c = 0; c < kColumns; ++c) {
        widths[c] = kProjectionColumns[c].size();
        for (const auto& row : cells)
            widths[c] = std::max(widths[c], row[c].size());
    }
    std::string text;
    const auto appendLine = [&](const std::array<std::string, kColumns>& row) {
        std::string line;
        for (std::size_t c = 0; c < kColumns; ++c) {
            if (c > 0)
                line += "  ";
            AppendPadded(line, row[c], widths[c], c == 0);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    };
    std::array<std::string, kColumns> headings;
    std::copy(kProjectionColumns.begin(), kProjectionColumns.end(), headings.begin());
    appendLine(headings);
    for (const auto& row : cells)
        appendLine(row);
    return text;
}
