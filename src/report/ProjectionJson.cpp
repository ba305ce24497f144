#include "report/ProjectionJson.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>

namespace {

// Keys stay in the order written, as a reader of the file expects them.
using Json = nlohmann::ordered_json;

constexpr int kIndent = 2;

Json RowJson(std::int32_t year, const ProjectionRow& row) {
    return {{"year", year},
            {"income", row.income},
            {"totalAssets", row.totalAssets},
            {"availableAssets", row.availableAssets},
            {"withdrawals", row.withdrawals}};
}

Json YearJson(const YearBreakdown& year) {
    Json json = RowJson(year.year, year.row);
    json["covered"] = year.covered;
    json["unpaid"] = year.unpaid;
    Json& incomes = json["incomes"] = Json::array();
    for (const IncomeBreakdown& item : year.incomes) {
        incomes.push_back({{"item", item.item},
                           {"opening", item.opening},
                           {"initial", item.initial},
                           {"annual", item.annual},
                           {"interestRate", item.interestRate},
                           {"interest", item.interest},
                           {"tax", item.tax},
                           {"credited", item.credited},
                           {"withdrawn", item.withdrawn},
                           {"closing", item.closing}});
    }
    Json& expenses = json["expenses"] = Json::array();
    for (const ExpenseBreakdown& item : year.expenses) {
        expenses.push_back(
            {{"item", item.item}, {"initial", item.initial}, {"annual", item.annual}});
    }
    Json& draws = json["draws"] = Json::array();
    for (const DrawBreakdown& draw : year.draws) {
        draws.push_back({{"item", draw.item},
                         {"taxRate", draw.taxRate},
                         {"gross", draw.gross},
                         {"taken", draw.taken},
                         {"received", draw.received}});
    }
    return json;
}

Json ProjectionHeader(const ProjectionTable& table, const ProjectionOutcome& outcome) {
    return {{"firstYear", table.firstYear},
            {"rowCount", table.rowCount},
            {"stoppedAtLimit", outcome.status == ProjectionStatus::AmountOutOfRange},
            {"years", Json::array()}};
}

std::string Text(const Json& json) {
    return json.dump(kIndent) + '\n';
}

} // namespace

std::string FormatProjectionJson(const ProjectionTable& table, const ProjectionOutcome& outcome) {
    Json json = ProjectionHeader(table, outcome);
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        json["years"].push_back(
            RowJson(table.firstYear + r, table.rows[static_cast<std::size_t>(r)]));
    }
    return Text(json);
}

std::string FormatBreakdownJson(const ProjectionBreakdown& breakdown) {
    Json json = ProjectionHeader(breakdown.table, breakdown.outcome);
    for (const YearBreakdown& year : breakdown.years)
        json["years"].push_back(YearJson(year));
    return Text(json);
}
