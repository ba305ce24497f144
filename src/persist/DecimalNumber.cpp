#include "persist/DecimalNumber.h"

#include <cmath>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

} // namespace

std::size_t DecimalNumberLength(std::string_view text, bool allowFraction, bool allowMinus) {
    std::size_t n = 0;
    if (n < text.size() && (text[n] == '+' || (allowMinus && text[n] == '-')))
        ++n;
    const std::size_t wholeStart = n;
    n = SkipDigits(text, n);
    std::size_t digits = n - wholeStart;
    if (allowFraction && n < text.size() && text[n] == '.') {
        const std::size_t fractionStart = ++n;
        n = SkipDigits(text, n);
        digits += n - fractionStart;
    }
    if (digits == 0)
        return 0;
    // An 'e' without digits after it is not part of the number.
    if (allowFraction && n < text.size() && (text[n] == 'e' || text[n] == 'E')) {
        std::size_t e = n + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        const std::size_t exponentEnd = SkipDigits(text, e);
        if (exponentEnd > e)
            n = exponentEnd;
    }
    return n;
}

std::string_view WithoutPlus(std::string_view number) {
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    return number;
}

std::optional<float> RateFromDecimal(std::string_view number) {
    number = WithoutPlus(number);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    // Converting a double beyond the float range would be undefined, so it is refused here.
    if (error != std::errc{} || end != number.data() + number.size() ||
        !(std::fabs(value) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}
