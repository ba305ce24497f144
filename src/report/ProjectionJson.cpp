#include "report/ProjectionJson.h"

#include "model/BreakdownCollector.h"
#include "model/YearBreakdown.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <sstream>

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

Json ProjectionHeader(const ProjectionTable& table, const ProjectionOutcome& outcome) {
    return {{"firstYear", table.firstYear},
            {"rowCount", table.rowCount},
            {"stoppedAtLimit", outcome.status == ProjectionStatus::AmountOutOfRange},
            {"years", Json::array()}};
}

// Writes objects and arrays of whole numbers and booleans straight to the stream, laid out
// exactly as the JSON library's dump lays them out. Not with the library's values: they
// allocate even while they are destroyed, so running out of memory with one alive would end
// the program instead of letting it say so.
class JsonOut {
public:
    JsonOut(std::ostream& out, JsonLayout layout)
        : m_out(out), m_indented(layout == JsonLayout::Indented) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray(const char* key) {
        Key(key);
        Open('[');
    }
    void EndArray() { Close(']'); }
    // An object as the next element of the array.
    void BeginElement() {
        Separate();
        Open('{');
    }
    void Member(const char* key, std::int64_t value) {
        Key(key);
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
        m_out.write(digits, end - digits);
    }
    void Flag(const char* key, bool value) {
        Key(key);
        m_out << (value ? "true" : "false");
    }

private:
    // The breakdown's deepest value: an item in a list of a year in the years of the document.
    static constexpr std::size_t kDeepest = 5;

    void Open(char bracket) {
        m_out << bracket;
        m_count[++m_depth] = 0;
    }
    void Close(char bracket) {
        if (m_indented && m_count[m_depth] > 0)
            NewLine(m_depth - 1);
        --m_depth;
        m_out << bracket;
    }
    void Separate() {
        if (m_count[m_depth]++ > 0)
            m_out << ',';
        if (m_indented)
            NewLine(m_depth);
    }
    void Key(const char* key) {
        Separate();
        m_out << '"' << key << (m_indented ? "\": " : "\":");
    }
    void NewLine(std::size_t depth) {
        m_out << '\n';
        for (std::size_t i = 0; i < depth * static_cast<std::size_t>(kIndent); ++i)
            m_out << ' ';
    }

    std::ostream& m_out;
    bool m_indented;
    std::size_t m_depth = 0;
    std::array<std::size_t, kDeepest + 1> m_count{};
};

void WriteYear(JsonOut& json, const YearBreakdown& year) {
    json.Member("year", year.year);
    json.Member("income", year.row.income);
    json.Member("totalAssets", year.row.totalAssets);
    json.Member("availableAssets", year.row.availableAssets);
    json.Member("withdrawals", year.row.withdrawals);
    json.Flag("covered", year.covered);
    json.Member("unpaid", year.unpaid);
    json.BeginArray("incomes");
    for (const IncomeBreakdown& item : year.incomes) {
        json.BeginElement();
        json.Member("item", item.item);
        json.Member("opening", item.opening);
        json.Member("initial", item.initial);
        json.Member("annual", item.annual);
        json.Member("interestRate", item.interestRate);
        json.Member("interest", item.interest);
        json.Member("tax", item.tax);
        json.Member("credited", item.credited);
        json.Member("withdrawn", item.withdrawn);
        json.Member("closing", item.closing);
        json.EndObject();
    }
    json.EndArray();
    json.BeginArray("expenses");
    for (const ExpenseBreakdown& item : year.expenses) {
        json.BeginElement();
        json.Member("item", item.item);
        json.Member("initial", item.initial);
        json.Member("annual", item.annual);
        json.EndObject();
    }
    json.EndArray();
    json.BeginArray("draws");
    for (const DrawBreakdown& draw : year.draws) {
        json.BeginElement();
        json.Member("item", draw.item);
        json.Member("taxRate", draw.taxRate);
        json.Member("gross", draw.gross);
        json.Member("taken", draw.taken);
        json.Member("received", draw.received);
        json.EndObject();
    }
    json.EndArray();
}

// Writes each year as soon as the projection has finished it.
class YearStreamer final : public ProjectionObserver {
public:
    explicit YearStreamer(JsonOut& json) : m_json(json) {}

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
        for (const YearBreakdown& year : m_collector.TakeYears()) {
            m_json.BeginElement();
            WriteYear(m_json, year);
            m_json.EndObject();
        }
    }

private:
    JsonOut& m_json;
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
    JsonOut json(out, layout);
    json.BeginObject();
    json.Member("firstYear", table.firstYear);
    json.Member("rowCount", table.rowCount);
    json.Flag("stoppedAtLimit", outcome.status == ProjectionStatus::AmountOutOfRange);
    json.BeginArray("years");
    YearStreamer streamer(json);
    ProjectionTable again;
    Calculate(plan, again, streamer);
    json.EndArray();
    json.EndObject();
    out << '\n';
}

std::string FormatYearJson(const YearBreakdown& year) {
    std::ostringstream out;
    JsonOut json(out, JsonLayout::Compact);
    json.BeginObject();
    WriteYear(json, year);
    json.EndObject();
    return out.str();
}
