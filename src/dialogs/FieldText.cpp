#include "dialogs/FieldText.h"

#include "persist/DecimalNumber.h"
#include "persist/PlanFile.h"

#include <string>
#include <string_view>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The whole field is one number of the plan's grammar.
bool IsWholeNumber(std::string_view text, bool allowFraction) {
    const std::size_t length = DecimalNumberLength(text, allowFraction, true);
    return length > 0 && length == text.size();
}

} // namespace

QString FormatInteger(std::int32_t value) {
    return QString::number(value);
}

std::optional<std::int32_t> ParseInteger(const QString& text) {
    const std::string bytes = text.toStdString();
    const std::string_view number = Trimmed(bytes);
    if (!IsWholeNumber(number, false))
        return std::nullopt;
    return IntegerFromDecimal<std::int32_t>(number);
}

QString FormatReal(float value) {
    return QString::fromLatin1(FormatRate(value));
}

std::optional<float> ParseReal(const QString& text) {
    const std::string bytes = text.toStdString();
    const std::string_view number = Trimmed(bytes);
    if (!IsWholeNumber(number, true))
        return std::nullopt;
    return RateFromDecimal(number);
}
