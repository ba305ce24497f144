#include "dialogs/FieldText.h"

#include "persist/NumberText.h"
#include "persist/PlanFile.h"

QString FormatInteger(std::int32_t value) {
    return QString::number(value);
}

std::optional<std::int32_t> ParseInteger(const QString& text) {
    return ParseIntegerText(text.toStdString());
}

QString FormatReal(float value) {
    return QString::fromLatin1(FormatRate(value));
}

std::optional<float> ParseReal(const QString& text) {
    return ParseRealText(text.toStdString());
}
