#pragma once

#include <cstdint>

// A calendar date (time 00:00:00) with a validity state. Only the Gregorian
// dates of the years 100 to 9999 are valid; an invalid date reads as -1.
class PlanDate {
public:
    // 1 January of the current year by the local clock.
    PlanDate();

    void Reset();
    void SetDate(std::int32_t year, std::int32_t month, std::int32_t day);

    std::int32_t GetYear() const { return m_valid ? m_year : -1; }
    std::int32_t GetMonth() const { return m_valid ? m_month : -1; }
    std::int32_t GetDay() const { return m_valid ? m_day : -1; }
    bool IsValid() const { return m_valid; }

    bool operator==(const PlanDate& other) const = default;

private:
    std::int32_t m_year = -1;
    std::int32_t m_month = -1;
    std::int32_t m_day = -1;
    bool m_valid = false;
};

// The year of today's local date.
std::int32_t CurrentLocalYear();
