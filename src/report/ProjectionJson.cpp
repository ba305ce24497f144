#include "report/ProjectionJson.h"

#include "model/BreakdownCollector.h"
#include "model/YearBreakdown.h"

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

// Writes the header object with its "years" array filled one element at a time, laid out
// exactly as nlohmann's dump lays out the whole object.
class StreamedYears {
public:
    StreamedYears(const Json& header, JsonLayout layout, std::ostream& out)
        : m_indented(layout == JsonLayout::Indented), m_out(out) {
        std::string text = header.dump(m_indented ? kIndent : -1);
        // Everything up to the opening bracket of the empty "years" array.
        text.resize(text.rfind('[') + 1);
        m_out << text;
    }

    void Add(const Json& year) {
        if (m_count++ > 0)
            m_out << ',';
        if (!m_indented) {
            m_out << year.dump();
            return;
        }
        // One level deeper than dump puts it: the year sits in the array of the object.
        const std::string text = year.dump(kIndent);
        const std::string deeper(2 * kIndent, ' ');
        m_out << '\n' << deeper;
        for (const char c : text) {
            m_out << c;
            if (c == '\n')
                m_out << deeper;
        }
    }

    void Finish() {
        if (m_indented && m_count > 0)
            m_out << '\n' << std::string(kIndent, ' ');
        m_out << (m_indented ? "]\n}\n" : "]}\n");
    }

private:
    bool m_indented;
    std::ostream& m_out;
    std::size_t m_count = 0;
};

// Hands each year to the writer as soon as the projection has finished it.
class YearStreamer final : public ProjectionObserver {
public:
    explicit YearStreamer(StreamedYears& years) : m_years(years) {}

    void BeginYear(std::int32_t year) override { m_collector.BeginYear(year); }
    void OnIncomeCredit(const IncomeCredit& credit) override { m_collector.OnIncomeCredit(credit); }
    void OnExpenseCharge(const ExpenseCharge& charge) override {
        m_collector.OnExpenseCharge(charge);
    }
    void OnWithdrawal(const Withdrawal& withdrawal) override {
        m_collector.OnWithdrawal(withdrawal);
    }
    void EndYear(const ProjectionRow& row, bool covered, std::int32_t unpaid) override {
        m_collector.EndYear(row, covered, unpaid);
        for (const YearBreakdown& year : m_collector.TakeYears())
            m_years.Add(YearJson(year));
    }

private:
    StreamedYears& m_years;
    BreakdownCollector m_collector;
};

} // namespace

std::string FormatProjectionJson(const ProjectionTable& table, const ProjectionOutcome& outcome) {
    Json json = ProjectionHeader(table, outcome);
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        json["years"].push_back(
            RowJson(table.firstYear + r, table.rows[static_cast<std::size_t>(r)]));
    }
    return json.dump(kIndent) + '\n';
}

void WriteBreakdownJson(const Plan& plan, const ProjectionTable& table,
                        const ProjectionOutcome& outcome, JsonLayout layout, std::ostream& out) {
    StreamedYears years(ProjectionHeader(table, outcome), layout, out);
    YearStreamer streamer(years);
    ProjectionTable again;
    Calculate(plan, again, streamer);
    years.Finish();
}

std::string FormatYearJson(const YearBreakdown& year) {
    return YearJson(year).dump();
}
