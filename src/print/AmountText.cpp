#include "print/AmountText.h"

#include <cmath>

namespace {

struct ShortUnit {
    double size;
    const char* suffix;
};

constexpr ShortUnit kUnits[] = {{1e9, "bn"}, {1e6, "M"}, {1e3, "k"}};
constexpr int kMostDecimals = 3;

bool IsWhole(double value) {
    return std::abs(value - std::round(value)) < 1e-6;
}

} // namespace

QString AmountText(std::int64_t amount, const QLocale& locale) {
    return locale.toString(static_cast<qlonglong>(amount));
}

QString ShortAmountText(double amount, double step, const QLocale& locale) {
    double unit = 1;
    QString suffix;
    for (const ShortUnit& candidate : kUnits) {
        if (std::abs(amount) >= candidate.size) {
            unit = candidate.size;
            suffix = QString::fromLatin1(candidate.suffix);
            break;
        }
    }
    int decimals = 0;
    const double scaledStep = std::abs(step) / unit;
    while (decimals < kMostDecimals && !IsWhole(scaledStep * std::pow(10.0, decimals)))
        ++decimals;
    QString text = locale.toString(amount / unit, 'f', decimals);
    if (decimals > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text + suffix;
}
