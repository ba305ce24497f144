#pragma once

#include "platform/SettingsStore.h"

#include <memory>

class QSettings;

// The settings on QSettings: the user's settings of Velmark's Orbelan, or an INI file.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const std::string& iniFilePath);
    ~QtSettingsStore() override;

    std::string ReadString(const std::string& section, const std::string& key) const override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void RemoveSection(const std::string& section) override;
    void Flush() override;

private:
    std::unique_ptr<QSettings> m_settings;
};
