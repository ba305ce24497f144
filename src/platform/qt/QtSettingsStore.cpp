#include "platform/qt/QtSettingsStore.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

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
    const QVariant value = m_settings->value(SettingsKey(section, key));
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    const QByteArray bytes = QByteArray::fromStdString(value);
    // A path whose name is not UTF-8 would not come back as text: it is kept as its bytes, and
    // every other value as text, as the settings have always held it.
    if (bytes.isValidUtf8())
        m_settings->setValue(SettingsKey(section, key), QString::fromUtf8(bytes));
    else
        m_settings->setValue(SettingsKey(section, key), bytes);
}

void QtSettingsStore::RemoveSection(const std::string& section) {
    m_settings->remove(QString::fromStdString(section));
}

void QtSettingsStore::Flush() {
    m_settings->sync();
}
