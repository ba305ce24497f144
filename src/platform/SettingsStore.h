#pragma once

#include <string>

// Where the program keeps what it remembers between runs, as strings under a section and
// a key. A missing value reads as the empty string.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::string ReadString(const std::string& section, const std::string& key) const = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void RemoveSection(const std::string& section) = 0;
    // Puts what was written so far into permanent storage now, so that a crash keeps it.
    virtual void Flush() = 0;
};
