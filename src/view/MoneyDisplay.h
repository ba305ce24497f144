#pragma once

#include "model/TodaysMoney.h"

#include <QObject>

#include <cstdint>

class SettingsStore;

// How the chart and the panes show amounts: as projected, or in today's money at an inflation
// rate. A choice of display only, kept in the settings: the list, the plan file and the exports
// stay in the projected amounts.
class MoneyDisplay : public QObject {
    Q_OBJECT

public:
    // currentYear is the year whose money "today's money" means.
    MoneyDisplay(SettingsStore& settings, std::int32_t currentYear, QObject* parent = nullptr);

    bool ShowsTodaysMoney() const { return m_todaysMoney; }
    float Inflation() const { return m_inflation; }
    std::int32_t CurrentYear() const { return m_currentYear; }
    // Remembers the choice and tells the displays.
    void Set(bool todaysMoney, float inflation);

    // An amount of the year as shown; an amount whose value today would leave 32 bits shows
    // at the nearest limit.
    std::int64_t Shown(std::int64_t amount, std::int32_t year) const;

signals:
    void changed();

private:
    SettingsStore& m_settings;
    std::int32_t m_currentYear;
    bool m_todaysMoney = false;
    float m_inflation = kDefaultShownInflation;
};
