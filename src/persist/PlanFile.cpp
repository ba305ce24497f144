#include "persist/PlanFile.h"

#include "persist/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Text of a plan file under construction; appending to a string keeps the
// bytes independent of any stream or locale settings.
class LineWriter {
public:
    void Number(std::int64_t value) {
        std::array<char, 24> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        m_text.append(buffer.data(), result.ptr);
    }
    void Date(const PlanDate& date) {
        Number(date.GetDay());
        m_text += ' ';
        Number(date.GetMonth());
        m_text += ' ';
        Number(date.GetYear());
    }
    void Text(std::string_view text) { m_text += text; }
    void EndLine() { m_text += kLineEnd; }

    template <typename Value> void Line(Value value) {
        Put(value);
        EndLine();
    }

    const std::string& Result() const { return m_text; }

private:
    void Put(std::int32_t value) { Number(value); }
    void Put(std::size_t value) { Number(static_cast<std::int64_t>(value)); }
    void Put(bool value) { Number(value ? 1 : 0); }
    void Put(float value) { Text(FormatRate(value)); }
    void Put(const PlanDate& value) { Date(value); }
    void Put(const std::string& value) { Text(value); }

    std::string m_text;
};

// The amounts follow the name, after any lines that belong to one kind of item alone.
void WriteAmounts(LineWriter& out, const ScheduledAmounts& item) {
    out.Line(item.initialAmount);
    out.Line(item.initialDate);
    out.Line(item.annualAmount);
    out.Line(item.annualStart);
    out.Line(item.annualEnd);
    out.Line(item.growthRate);
}

void WriteIncome(LineWriter& out, const IncomeItem& item) {
    out.Line(item.name);
    out.Line(item.taxable);
    WriteAmounts(out, item);
    out.Line(item.rateSwitchDate);
    out.Line(item.rateBefore);
    out.Line(item.rateAfter);
    out.Line(item.withdrawalTaxable);
    out.Line(item.withdrawalStart);
}

void WriteExpense(LineWriter& out, const ExpenseItem& item) {
    out.Line(item.name);
    WriteAmounts(out, item);
}

// Everything after the signature line.
void WritePlan(LineWriter& out, const Plan& plan) {
    out.Line(plan.birthDate);
    out.Line(plan.retirementAge);
    out.Line(plan.retirementDate);
    out.Line(plan.taxRateBefore);
    out.Line(plan.taxRateAfter);
    out.Line(plan.incomes.size());
    for (const IncomeItem& item : plan.incomes)
        WriteIncome(out, item);
    out.Line(plan.expenses.size());
    for (const ExpenseItem& item : plan.expenses)
        WriteExpense(out, item);
}

// A count as large as the file itself cannot be genuine: every item takes
// several bytes. Capping it there keeps a damaged count from appending
// billions of default items before the first of them fails to read.
std::size_t ItemsToAppend(bool countRead, std::int32_t count, std::size_t fileSize) {
    if (!countRead || count <= 0)
        return 0;
    return std::min(static_cast<std::size_t>(count), fileSize);
}

void ReadAmounts(PlanTextReader& in, ScheduledAmounts& item) {
    in.ReadInt(item.initialAmount);
    ReadPlanDate(in, item.initialDate);
    in.ReadInt(item.annualAmount);
    ReadPlanDate(in, item.annualStart);
    ReadPlanDate(in, item.annualEnd);
    in.ReadFloat(item.growthRate);
}

// The line end after the previous number is still unread; it goes before the name.
void ReadName(PlanTextReader& in, ScheduledAmounts& item) {
    in.ConsumeCharacter();
    in.ReadLine(item.name);
}

void ReadIncome(PlanTextReader& in, IncomeItem& item) {
    ReadName(in, item);
    in.ReadFlag(item.taxable);
    ReadAmounts(in, item);
    ReadPlanDate(in, item.rateSwitchDate);
    in.ReadFloat(item.rateBefore);
    in.ReadFloat(item.rateAfter);
    in.ReadFlag(item.withdrawalTaxable);
    ReadPlanDate(in, item.withdrawalStart);
}

void ReadExpense(PlanTextReader& in, ExpenseItem& item) {
    ReadName(in, item);
    ReadAmounts(in, item);
}

} // namespace

std::string FormatRate(float rate) {
    std::string text = FormatSixDigits(static_cast<double>(rate));
    // printf writes at least two exponent digits; the file always has three.
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        std::string digits = text.substr(e + 2);
        digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, '0');
        text = text.substr(0, e + 2) + digits;
    }
    return text;
}

std::string PlanFileBytes(const Plan& plan) {
    LineWriter out;
    out.Line(static_cast<std::size_t>(PlanFileSignature));
    WritePlan(out, plan);
    return out.Result();
}

PlanTextReader& ReadPlanDate(PlanTextReader& in, PlanDate& date) {
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    const bool read = in.ReadInt(day) && in.ReadInt(month) && in.ReadInt(year);
    if (read)
        date.SetDate(year, month, day);
    else
        date.SetDate(-1, -1, -1);
    return in;
}

PlanTextReader& ReadPlan(PlanTextReader& in, Plan& plan) {
    ReadPlanDate(in, plan.birthDate);
    in.ReadInt(plan.retirementAge);
    ReadPlanDate(in, plan.retirementDate);
    in.ReadFloat(plan.taxRateBefore);
    in.ReadFloat(plan.taxRateAfter);

    std::int32_t count = 0;
    bool countRead = in.ReadInt(count);
    // The first item that fails to read is the last: a count that the rest of the file
    // cannot hold appends one default item, not billions.
    for (std::size_t i = ItemsToAppend(countRead, count, in.Size()); i > 0 && !in.Failed(); --i) {
        plan.AppendIncome();
        ReadIncome(in, plan.incomes.back());
    }
    count = 0;
    countRead = in.ReadInt(count);
    for (std::size_t i = ItemsToAppend(countRead, count, in.Size()); i > 0 && !in.Failed(); --i) {
        plan.AppendExpense();
        ReadExpense(in, plan.expenses.back());
    }
    return in;
}
