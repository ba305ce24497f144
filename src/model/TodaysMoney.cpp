#include "model/TodaysMoney.h"

Money InTodaysMoney(std::int32_t amount, float inflation, std::int32_t year,
                    std::int32_t currentYear) {
    if (year >= currentYear)
        return Discount(amount, inflation, year - currentYear);
    return Compound(amount, inflation, currentYear - year);
}

double TodaysMoneyFactor(float inflation, std::int32_t year, std::int32_t currentYear) {
    if (year >= currentYear)
        return 1.0 / GrowthFactor(inflation, year - currentYear);
    return GrowthFactor(inflation, currentYear - year);
}
