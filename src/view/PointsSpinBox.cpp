#include "view/PointsSpinBox.h"

#include "report/WhatIfText.h"

namespace {

// The signed number a typed text starts with; the word after it is only read.
QString NumberPart(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() &&
           (trimmed[end].isDigit() ||
            (end == 0 && (trimmed[end] == QLatin1Char('+') || trimmed[end] == QLatin1Char('-')))))
        ++end;
    return trimmed.left(end);
}

} // namespace

QString PointsText(std::int32_t points) {
    return QString::fromUtf8(PointsInWords(points));
}

PointsSpinBox::PointsSpinBox(QWidget* parent) : QSpinBox(parent) {}

QString PointsSpinBox::textFromValue(int value) const {
    return PointsText(value);
}

int PointsSpinBox::valueFromText(const QString& text) const {
    return NumberPart(text).toInt();
}

QValidator::State PointsSpinBox::validate(QString& text, int& /*position*/) const {
    const QString number = NumberPart(text);
    const QString rest = text.trimmed().mid(number.size()).trimmed();
    if (!rest.isEmpty() && !QStringLiteral("points").startsWith(rest, Qt::CaseInsensitive))
        return QValidator::Invalid;
    bool ok = false;
    const int value = number.toInt(&ok);
    if (!ok)
        return number.size() <= 1 ? QValidator::Intermediate : QValidator::Invalid;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}
