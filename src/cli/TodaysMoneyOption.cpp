#include "cli/TodaysMoneyOption.h"

#include "model/TodaysMoney.h"

#include <charconv>
#include <ctime>

std::optional<float> ParseInflation(const std::string& text) {
    float rate = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, rate, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !(rate >= 0 && rate <= kMaxShownInflation))
        return std::nullopt;
    return rate;
}

std::string InflationUsage() {
    return "--todays-money needs an inflation rate from 0 to " +
           std::to_string(static_cast<std::int32_t>(kMaxShownInflation));
}

std::int32_t CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local.tm_year + 1900;
}
