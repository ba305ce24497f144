#include "wasm/PlanJson.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

using Json = nlohmann::json;

Json DateToJson(const PlanDate& date) {
    if (!date.IsValid())
        return nullptr;
    return Json::array({date.GetYear(), date.GetMonth(), date.GetDay()});
}

Json RateToJson(float rate) {
    return RateBits(rate);
}

// The fields every item has, as the plan file writes them once for both kinds.
Json AmountsToJson(const ScheduledAmounts& item) {
    return {
        {"name", BytesToLatin1Utf8(item.name)},        {"initialAmount", item.initialAmount},
        {"initialDate", DateToJson(item.initialDate)}, {"annualAmount", item.annualAmount},
        {"annualStart", DateToJson(item.annualStart)}, {"annualEnd", DateToJson(item.annualEnd)},
        {"growthRate", RateToJson(item.growthRate)}};
}

Json IncomeToJson(const IncomeItem& item) {
    Json json = AmountsToJson(item);
    json["taxable"] = item.taxable;
    json["rateSwitchDate"] = DateToJson(item.rateSwitchDate);
    json["rateBefore"] = RateToJson(item.rateBefore);
    json["rateAfter"] = RateToJson(item.rateAfter);
    json["withdrawalTaxable"] = item.withdrawalTaxable;
    json["withdrawalStart"] = DateToJson(item.withdrawalStart);
    return json;
}

// Reads values of the kinds expected, noting the first that is not, without the library's
// accessors that throw.
class PlanReader {
public:
    bool Ok() const { return m_ok; }

    const Json& Field(const Json& object, const char* key) {
        static const Json kMissing;
        if (object.is_object()) {
            const auto found = object.find(key);
            if (found != object.end())
                return *found;
        }
        m_ok = false;
        return kMissing;
    }

    std::int64_t Whole(const Json& json, std::int64_t lowest, std::int64_t highest) {
        std::int64_t value = 0;
        if (json.is_number_unsigned() && json.get<std::uint64_t>() <= std::uint64_t(highest))
            value = static_cast<std::int64_t>(json.get<std::uint64_t>());
        else if (json.is_number_integer() && !json.is_number_unsigned())
            value = json.get<std::int64_t>();
        else
            m_ok = false;
        if (value < lowest || value > highest) {
            m_ok = false;
            return 0;
        }
        return value;
    }
    std::int32_t Int(const Json& json) {
        return static_cast<std::int32_t>(Whole(json, INT32_MIN, INT32_MAX));
    }
    float Rate(const Json& json) {
        return RateFromBits(static_cast<std::uint32_t>(Whole(json, 0, UINT32_MAX)));
    }
    bool Flag(const Json& json) {
        if (json.is_boolean())
            return json.get<bool>();
        m_ok = false;
        return false;
    }
    std::string Name(const Json& json) {
        std::optional<std::string> bytes;
        if (json.is_string())
            bytes = Latin1Utf8ToBytes(json.get_ref<const std::string&>());
        if (!bytes)
            m_ok = false;
        return bytes.value_or(std::string());
    }
    PlanDate Date(const Json& json) {
        PlanDate date;
        if (json.is_null())
            date.SetDate(-1, -1, -1);
        else if (json.is_array() && json.size() == 3)
            date.SetDate(Int(json[0]), Int(json[1]), Int(json[2]));
        else
            m_ok = false;
        return date;
    }

    void Amounts(const Json& json, ScheduledAmounts& item) {
        item.name = Name(Field(json, "name"));
        item.initialAmount = Int(Field(json, "initialAmount"));
        item.initialDate = Date(Field(json, "initialDate"));
        item.annualAmount = Int(Field(json, "annualAmount"));
        item.annualStart = Date(Field(json, "annualStart"));
        item.annualEnd = Date(Field(json, "annualEnd"));
        item.growthRate = Rate(Field(json, "growthRate"));
    }
    IncomeItem Income(const Json& json) {
        IncomeItem item;
        Amounts(json, item);
        item.taxable = Flag(Field(json, "taxable"));
        item.rateSwitchDate = Date(Field(json, "rateSwitchDate"));
        item.rateBefore = Rate(Field(json, "rateBefore"));
        item.rateAfter = Rate(Field(json, "rateAfter"));
        item.withdrawalTaxable = Flag(Field(json, "withdrawalTaxable"));
        item.withdrawalStart = Date(Field(json, "withdrawalStart"));
        return item;
    }
    // The elements of an array, or none.
    const Json& List(const Json& json) {
        static const Json kEmpty = Json::array();
        if (json.is_array())
            return json;
        m_ok = false;
        return kEmpty;
    }

private:
    bool m_ok = true;
};

} // namespace

std::uint32_t RateBits(float rate) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &rate, sizeof bits);
    return bits;
}

float RateFromBits(std::uint32_t bits) {
    float rate = 0.0f;
    std::memcpy(&rate, &bits, sizeof rate);
    return rate;
}

std::string BytesToLatin1Utf8(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::optional<std::string> Latin1Utf8ToBytes(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += text[i];
            continue;
        }
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 == text.size())
            return std::nullopt;
        const auto trail = static_cast<unsigned char>(text[++i]);
        bytes += static_cast<char>(((lead & 0x03) << 6) | (trail & 0x3F));
    }
    return bytes;
}

nlohmann::json PlanToJson(const Plan& plan) {
    Json incomes = Json::array();
    for (const IncomeItem& item : plan.incomes)
        incomes.push_back(IncomeToJson(item));
    Json expenses = Json::array();
    for (const ExpenseItem& item : plan.expenses)
        expenses.push_back(AmountsToJson(item));
    return {{"birthDate", DateToJson(plan.birthDate)},
            {"retirementAge", plan.retirementAge},
            {"retirementDate", DateToJson(plan.retirementDate)},
            {"taxRateBefore", RateToJson(plan.taxRateBefore)},
            {"taxRateAfter", RateToJson(plan.taxRateAfter)},
            {"incomes", incomes},
            {"expenses", expenses}};
}

std::optional<Plan> PlanFromJson(const nlohmann::json& json) {
    PlanReader read;
    Plan plan;
    plan.birthDate = read.Date(read.Field(json, "birthDate"));
    plan.retirementAge = read.Int(read.Field(json, "retirementAge"));
    plan.retirementDate = read.Date(read.Field(json, "retirementDate"));
    plan.taxRateBefore = read.Rate(read.Field(json, "taxRateBefore"));
    plan.taxRateAfter = read.Rate(read.Field(json, "taxRateAfter"));
    for (const Json& item : read.List(read.Field(json, "incomes")))
        plan.incomes.push_back(read.Income(item));
    for (const Json& item : read.List(read.Field(json, "expenses")))
        read.Amounts(item, plan.expenses.emplace_back());
    if (!read.Ok())
        return std::nullopt;
    return plan;
}

std::optional<Plan> PlanFromJsonText(const std::string& text) {
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded())
        return std::nullopt;
    return PlanFromJson(json);
}

bool EditPlanFromJsonText(Plan& plan, const std::string& general, EditedList list,
                          std::size_t index, const std::string& item) {
    Json json = Json::parse(general, nullptr, false);
    if (!json.is_object())
        return false;
    json["incomes"] = Json::array();
    json["expenses"] = Json::array();
    std::optional<Plan> edited = PlanFromJson(json);
    const std::size_t count =
        list == EditedList::Incomes ? plan.incomes.size() : plan.expenses.size();
    if (!edited || (list != EditedList::None && index >= count))
        return false;
    PlanReader read;
    IncomeItem income;
    ExpenseItem expense;
    if (list != EditedList::None) {
        const Json itemJson = Json::parse(item, nullptr, false);
        if (list == EditedList::Incomes)
            income = read.Income(itemJson);
        else
            read.Amounts(itemJson, expense);
        if (!read.Ok())
            return false;
    }
    edited->incomes = std::move(plan.incomes);
    edited->expenses = std::move(plan.expenses);
    if (list == EditedList::Incomes)
        edited->incomes[index] = std::move(income);
    else if (list == EditedList::Expenses)
        edited->expenses[index] = std::move(expense);
    plan = std::move(*edited);
    return true;
}
