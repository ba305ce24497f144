#include "report/ProjectionCsv.h"

#include "report/ProjectionColumns.h"

#include <cstddef>
#include <cstdint>

std::string FormatProjectionCsv(const ProjectionTable& table) {
    std::string text;
    for (const std::string_view heading : kProjectionColumns) {
        text += text.empty() ? "" : ",";
        text += heading;
    }
    text += '\n';
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        text += std::to_string(table.firstYear + r) + ',' + std::to_string(row.income) + ',' +
                std::to_string(row.totalAssets) + ',' + std::to_string(row.availableAssets) + ',' +
                std::to_string(row.withdrawals) + '\n';
    }
    return text;
}
