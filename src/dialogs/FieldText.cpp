#include "dialogs/FieldText.h"

#include "persist/PlanFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSign(char c) {
    return c == '+' || c == '-';
}

std::string_view Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

std::size_t SkipSign(std::string_view text, std::size_t pos) {
    return pos < text.size() && IsSign(text[pos]) ? pos + 1 : pos;
}

// [sign] digits [. digits] [e [sign] digits] with at least one mantissa digit: no "inf",
// "nan" or hexadecimal forms, which from_chars would otherwise take.
bool IsDecimalNumber(std::string_view text) {
    std::size_t pos = SkipSign(text, 0);
    const std::size_t wholeStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - wholeStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = SkipDigits(text, pos);
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const std::size_t exponentStart = SkipSign(text, pos + 1);
        pos = SkipDigits(text, exponentStart);
        if (pos == exponentStart)
            return false;
    }
    return pos == text.size();
}

bool IsDecimalInteger(std::string_view text) {
    const std::string_view digits = text.substr(SkipSign(text, 0));
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit);
}

// from_chars takes a minus sign but not a plus sign.
std::string_view WithoutPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return text;
}

} // namespace

QString FormatInteger(std::int32_t value) {
    return QString::number(value);
}

std::optional<std::int32_t> ParseInteger(const QString& text) {
    const std::string bytes = text.toStdString();
    const std::string_view number = Trimmed(bytes);
    if (!IsDecimalInteger(number))
        return std::nullopt;
    const std::string_view digits = WithoutPlus(number);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

QString FormatReal(float value) {
    return QString::fromLatin1(FormatRate(value));
}

std::optional<float> ParseReal(const QString& text) {
    const std::string bytes = text.toStdString();
    const std::string_view number = Trimmed(bytes);
    if (!IsDecimalNumber(number))
        return std::nullopt;
    const std::string_view digits = WithoutPlus(number);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // Converting a double beyond the float range would be undefined, so it is refused here.
    const double limit = std::numeric_limits<float>::max();
    if (error != std::errc{} || end != digits.data() + digits.size() || value > limit ||
        value < -limit)
        return std::nullopt;
    return static_cast<float>(value);
}
