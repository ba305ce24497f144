#include "platform/RecentFileList.h"

#include "platform/SettingsStore.h"

#include <algorithm>

namespace {

const std::string kSection = "Recent File List";

std::string EntryKey(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFileList::RecentFileList(std::size_t capacity) : m_names(capacity) {}

void RecentFileList::Add(const std::string& path) {
    if (path.empty() || m_names.empty())
        return;
    auto found = std::find(m_names.begin(), m_names.end(), path);
    if (found == m_names.end())
        found = m_names.end() - 1;
    std::rotate(m_names.begin(), found, found + 1);
    m_names.front() = path;
    Changed();
}

bool RecentFileList::Remove(std::size_t index) {
    if (index >= m_names.size())
        return false;
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index));
    m_names.emplace_back();
    Changed();
    return true;
}

void RecentFileList::Set(std::size_t index, const std::string& path) {
    if (m_names.at(index) == path)
        return;
    m_names[index] = path;
    Changed();
}

void RecentFileList::ReadList(const SettingsStore& settings) {
    for (std::size_t index = 0; index < m_names.size(); ++index)
        m_names[index] = settings.ReadString(kSection, EntryKey(index));
}

void RecentFileList::WriteList(SettingsStore& settings) const {
    // Start from an empty section, so that entries that were dropped do not come back.
    settings.RemoveSection(kSection);
    for (std::size_t index = 0; index < m_names.size(); ++index)
        if (!m_names[index].empty())
            settings.WriteString(kSection, EntryKey(index), m_names[index]);
    settings.Flush();
}

void RecentFileList::Changed() {
    if (m_settings != nullptr)
        WriteList(*m_settings);
}
