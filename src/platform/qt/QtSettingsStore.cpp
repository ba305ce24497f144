#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QString>

namespace {

QString SettingsKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("Velmark"), QStringLiteral("Orbelan"))) {}

QtSettingsStore::QtSettingsStore(const std::string& iniFilePath)
    : m_settings(
          std::make_unique<QSettings>(QString::fromStdString(iniFilePath), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::ReadString(const std::string& section, const std::string& key) const {
    return m_settings->value(SettingsKey(section, key)).toString().toStdString();
}

void QtSettingsStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    m_settings->setValue(SettingsKey(section, key), QString::fromStdString(value));
}

void QtSettingsStore::RemoveSection(const std::string& section) {
    m_settings->remove(QString::fromStdString(section));
}

void QtSettingsStore::Flush() {
    m_settings->sync();
}
