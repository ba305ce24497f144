#include "model/ProjectionArithmetic.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kNarrowLimit = 4294967296.0;

} // namespace

double GrowthFactor(float rate, std::int32_t years) {
    const double q = 1.0 + static_cast<double>(rate) * kPercentFactor;
    return std::pow(q, static_cast<double>(years));
}

Money RoundHalfAway(double x) {
    // Anything this large cannot round into 32 bits; checking first also keeps
    // the narrowing to float and the conversion to integer well defined.
    if (!(std::fabs(x) < kNarrowLimit))
        return std::nullopt;
    const float f = static_cast<float>(x);
    const double shifted = f < 0.0f ? static_cast<double>(f) - 0.5 : static_cast<double>(f) + 0.5;
    return MoneyFromWide(static_cast<std::int64_t>(std::trunc(shifted)));
}

// A zero amount gives zero for every finite factor; answering it directly keeps
// an infinite factor (a huge rate over many years) from turning 0 into NaN.

Money Compound(std::int32_t amount, float rate, std::int32_t years) {
    if (amount == 0)
        return 0;
    return RoundHalfAway(GrowthFactor(rate, years) * static_cast<double>(amount));
}

Money Discount(std::int32_t amount, float rate, std::int32_t years) {
    if (amount == 0)
        return 0;
    return RoundHalfAway(static_cast<double>(amount) / GrowthFactor(rate, years));
}

Money Interest(std::int32_t amount, float rate) {
    if (amount == 0)
        return 0;
    return RoundHalfAway((static_cast<double>(rate) * kPercentFactor) *
                         static_cast<double>(amount));
}

float WholePercent(float rate) {
    return std::trunc(rate);
}
