#include "tests/platform/MemorySettingsStore.h"

std::string MemorySettingsStore::ReadString(const std::string& section,
                                            const std::string& key) const {
    const auto found = values.find({section, key});
    return found == values.end() ? std::string() : found->second;
}

void MemorySettingsStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    values[{section, key}] = value;
}

void MemorySettingsStore::RemoveSection(const std::string& section) {
    std::erase_if(
        values, [&section](const auto& entry) { return entry.first.first == section; });
}
