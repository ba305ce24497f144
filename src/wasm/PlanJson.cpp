#include "wasm/PlanJson.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

using Json = nlohmann::json;

Json DateToJson(const PlanDate& date) {
    if (!date.IsValid())
        return nullptr;
    return Json::array({date.GetYear(), date.GetMonth(), date.GetDay()});
}

PlanDate DateFromJson(const Json& json) {
    PlanDate date;
    if (json.is_null())
        date.SetDate(-1, -1, -1);
    else
        date.SetDate(json.at(0).get<std::int32_t>(), json.at(1).get<std::int32_t>(),
                     json.at(2).get<std::int32_t>());
    return date;
}

Json RateToJson(float rate) {
    return RateBits(rate);
}

float RateFromJson(const Json& json) {
    return RateFromBits(json.get<std::uint32_t>());
}

// The fields every item has, as the plan file writes them once for both kinds.
Json AmountsToJson(const ScheduledAmounts& item) {
    return {
        {"name", BytesToLatin1Utf8(item.name)},        {"initialAmount", item.initialAmount},
        {"initialDate", DateToJson(item.initialDate)}, {"annualAmount", item.annualAmount},
        {"annualStart", DateToJson(item.annualStart)}, {"annualEnd", DateToJson(item.annualEnd)},
        {"growthRate", RateToJson(item.growthRate)}};
}

void AmountsFromJson(const Json& json, ScheduledAmounts& item) {
    item.name = Latin1Utf8ToBytes(json.at("name").get<std::string>());
    item.initialAmount = json.at("initialAmount").get<std::int32_t>();
    item.initialDate = DateFromJson(json.at("initialDate"));
    item.annualAmount = json.at("annualAmount").get<std::int32_t>();
    item.annualStart = DateFromJson(json.at("annualStart"));
    item.annualEnd = DateFromJson(json.at("annualEnd"));
    item.growthRate = RateFromJson(json.at("growthRate"));
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

IncomeItem IncomeFromJson(const Json& json) {
    IncomeItem item;
    AmountsFromJson(json, item);
    item.taxable = json.at("taxable").get<bool>();
    item.rateSwitchDate = DateFromJson(json.at("rateSwitchDate"));
    item.rateBefore = RateFromJson(json.at("rateBefore"));
    item.rateAfter = RateFromJson(json.at("rateAfter"));
    item.withdrawalTaxable = json.at("withdrawalTaxable").get<bool>();
    item.withdrawalStart = DateFromJson(json.at("withdrawalStart"));
    return item;
}

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

std::string Latin1Utf8ToBytes(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += text[i];
            continue;
        }
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 == text.size())
            throw std::invalid_argument("a name holds a character above U+00FF");
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

Plan PlanFromJson(const nlohmann::json& json) {
    Plan plan;
    plan.birthDate = DateFromJson(json.at("birthDate"));
    plan.retirementAge = json.at("retirementAge").get<std::int32_t>();
    plan.retirementDate = DateFromJson(json.at("retirementDate"));
    plan.taxRateBefore = RateFromJson(json.at("taxRateBefore"));
    plan.taxRateAfter = RateFromJson(json.at("taxRateAfter"));
    for (const Json& item : json.at("incomes"))
        plan.incomes.push_back(IncomeFromJson(item));
    for (const Json& item : json.at("expenses"))
        AmountsFromJson(item, plan.expenses.emplace_back());
    return plan;
}
