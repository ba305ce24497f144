#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// Amounts as the chart, the panes and the report show them: whole units with the locale's digit
// grouping. The projection list keeps its plain integers.
QString AmountText(std::int64_t amount, const QLocale& locale = QLocale());

// The short form of an amount for an axis where space is short: "250k", "1.25M", "2bn", with
// the locale's decimal sign. The step between the axis's ticks sets how many decimals it takes
// to tell neighbouring ticks apart; trailing zeros are dropped.
QString ShortAmountText(double amount, double step, const QLocale& locale = QLocale());
