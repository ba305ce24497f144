#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <utility>

// Settings kept in a map, keyed by section and key.
class MemorySettingsStore : public SettingsStore {
public:
    using Values = std::map<std::pair<std::string, std::string>, std::string>;

    Values values;

    std::string ReadString(const std::string& section, const std::string& key) const override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void RemoveSection(const std::string& section) override;
    // Counts the flushes: the values are in memory already.
    void Flush() override { ++flushes; }

    int flushes = 0;
};
