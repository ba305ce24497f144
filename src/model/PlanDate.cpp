#include "model/PlanDate.h"

#include <chrono>
#include <ctime>

std::int32_t CurrentLocalYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_year + 1900;
}

PlanDate::PlanDate() {
    Reset();
}

void PlanDate::Reset() {
    SetDate(CurrentLocalYear(), 1, 1);
}

void PlanDate::SetDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    const bool inRange =
        year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
    const bool valid =
        inRange && std::chrono::year_month_day{std::chrono::year{year},
                                               std::chrono::month{static_cast<unsigned>(month)},
                                               std::chrono::day{static_cast<unsigned>(day)}}
                       .ok();
    // Invalid dates are normalised so that two of them always compare equal.
    m_valid = valid;
    m_year = valid ? year : -1;
    m_month = valid ? month : -1;
    m_day = valid ? day : -1;
}
