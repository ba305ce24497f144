#pragma once

#include <QSpinBox>

#include <cstdint>

// A number of percentage points in words, with its sign: "+1 point", "-2 points", "0 points".
QString PointsText(std::int32_t points);

// A spin box of percentage points that shows its value as PointsText does and reads back
// what the user types with or without the sign and the word.
class PointsSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit PointsSpinBox(QWidget* parent = nullptr);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
};
