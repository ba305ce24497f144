#pragma once

#include <cstddef>
#include <string>
#include <vector>

class SettingsStore;

// The program keeps this many recent files, in its File menu and in the settings.
inline constexpr std::size_t kRecentFileCount = 4;

// The most recently used files, most recent first, in a fixed number of entries; an empty
// entry holds no file.
class RecentFileList {
public:
    explicit RecentFileList(std::size_t capacity);

    // Puts the path at the top, moving it there if it is already listed.
    void Add(const std::string& path);
    // Drops an entry; the ones below it move up.
    // False, and nothing changes, for an index beyond the capacity.
    bool Remove(std::size_t index);
    // Rewrites one entry in place.
    void Set(std::size_t index, const std::string& path);

    // The capacity, empty entries included.
    std::size_t Size() const { return m_names.size(); }
    const std::string& operator[](std::size_t index) const { return m_names.at(index); }

    void ReadList(const SettingsStore& settings);
    void WriteList(SettingsStore& settings) const;
    // From now on every change is written to these settings at once, so that a crash or a
    // kill keeps the list.
    void WriteEveryChangeTo(SettingsStore& settings) { m_settings = &settings; }

private:
    void Changed();

    std::vector<std::string> m_names;
    SettingsStore* m_settings = nullptr;
};
