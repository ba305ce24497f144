#include "persist/NumberText.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

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

bool IsWholeNumber(std::string_view text, NumberForm form) {
    const std::size_t length = NumberLength(text, form);
    return length != 0 && length == text.size();
}

// from_chars takes a minus sign but not a plus sign.
std::string_view WithoutPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return text;
}

} // namespace

std::size_t NumberLength(std::string_view text, NumberForm form) {
    const bool decimal = form == NumberForm::Decimal;
    const std::size_t wholeStart = SkipSign(text, 0);
    std::size_t pos = SkipDigits(text, wholeStart);
    std::size_t digits = pos - wholeStart;
    if (decimal && pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        pos = SkipDigits(text, fractionStart);
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return 0;
    if (decimal && pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const std::size_t exponentStart = SkipSign(text, pos + 1);
        const std::size_t exponentEnd = SkipDigits(text, exponentStart);
        if (exponentEnd != exponentStart)
            pos = exponentEnd;
    }
    return pos;
}

// The standard library of the browser edition lacks the floating-point forms of from_chars and
// to_chars; its C library knows only the "C" locale, so strtod and snprintf read and write
// the same text there. The desktop keeps from_chars and to_chars, which ignore the locale.
#if defined(__cpp_lib_to_chars)

std::optional<double> ParseDecimal(std::string_view token) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc{} || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

std::string FormatSixDigits(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 6);
    return std::string(buffer.data(), result.ptr);
}

#else

std::optional<double> ParseDecimal(std::string_view token) {
    // strtod would also take blanks, '+', hexadecimal and "inf" or "nan".
    if (token.empty() || !(IsDigit(token.front()) || token.front() == '-' || token.front() == '.'))
        return std::nullopt;
    const std::string text(token);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || std::isinf(value) || (errno == ERANGE && value == 0.0))
        return std::nullopt;
    return value;
}

std::string FormatSixDigits(double value) {
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.6g", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

#endif

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
    const std::string_view number = Trimmed(text);
    if (!IsWholeNumber(number, NumberForm::Integer))
        return std::nullopt;
    const std::string_view digits = WithoutPlus(number);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool IsIntegerBeyondRange(std::string_view text) {
    const std::string_view number = Trimmed(text);
    return IsWholeNumber(number, NumberForm::Integer) && !ParseIntegerText(number);
}

std::optional<float> ParseRealText(std::string_view text) {
    const std::string_view number = Trimmed(text);
    if (!IsWholeNumber(number, NumberForm::Decimal))
        return std::nullopt;
    const std::optional<double> value = ParseDecimal(WithoutPlus(number));
    // Converting a double beyond the float range would be undefined, so it is refused here.
    const double limit = std::numeric_limits<float>::max();
    if (!value || *value > limit || *value < -limit)
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<std::uint64_t> ParseSeedText(std::string_view text) {
    std::uint64_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seed);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return seed;
}
