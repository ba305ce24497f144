#include "view/MoneyDisplay.h"

#include "platform/SettingsStore.h"
#include "report/TodaysMoneyTable.h"

#include <QString>

#include <string>

namespace {

const std::string kSection = "Display";
const std::string kTodaysMoneyKey = "TodaysMoney";
const std::string kInflationKey = "Inflation";

} // namespace

MoneyDisplay::MoneyDisplay(SettingsStore& settings, std::int32_t currentYear, QObject* parent)
    : QObject(parent), m_settings(settings), m_currentYear(currentYear) {
    m_todaysMoney = m_settings.ReadString(kSection, kTodaysMoneyKey) == "true";
    bool ok = false;
    const float inflation =
        QString::fromStdString(m_settings.ReadString(kSection, kInflationKey)).toFloat(&ok);
    if (ok)
        m_inflation = inflation;
}

void MoneyDisplay::Set(bool todaysMoney, float inflation) {
    if (todaysMoney == m_todaysMoney && inflation == m_inflation)
        return;
    m_todaysMoney = todaysMoney;
    m_inflation = inflation;
    m_settings.WriteString(kSection, kTodaysMoneyKey, todaysMoney ? "true" : "false");
    m_settings.WriteString(kSection, kInflationKey,
                           QString::number(inflation, 'f', 1).toStdString());
    emit changed();
}

std::int64_t MoneyDisplay::Shown(std::int64_t amount, std::int32_t year) const {
    if (!m_todaysMoney)
        return amount;
    return ShownInTodaysMoney(amount, m_inflation, year, m_currentYear);
}
