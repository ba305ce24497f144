#include "tests/persist/SaveFixture.h"

#include "tests/support/ExamplePlans.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

SaveFixture::SaveFixture() {
    fs::permissions(m_dir.Path(), fs::perms::all);
    const fs::path state = m_dir.Path() / ".state";
    fs::create_directory(state);
    fs::permissions(state, fs::perms::all);
    if (const char* previous = std::getenv("XDG_STATE_HOME"))
        m_previousStateHome = previous;
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    m_doc.m_plan = FileExamplePlan();
}

SaveFixture::~SaveFixture() {
    if (m_previousStateHome)
        ::setenv("XDG_STATE_HOME", m_previousStateHome->c_str(), 1);
    else
        ::unsetenv("XDG_STATE_HOME");
}

fs::path SaveFixture::BackupFolder() const {
    return m_dir.Path() / ".state" / "orbelan";
}

std::size_t SaveFixture::BackupCount() const {
    std::error_code error;
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(BackupFolder(), error), fs::directory_iterator()));
}

std::string SaveFixture::Save(const std::string& path) {
    const std::size_t before = m_ui.GetJournal().size();
    std::string outcome = m_doc.OnSaveDocument(path) ? "saved" : "refused";
    for (std::size_t entry = before; entry < m_ui.GetJournal().size(); ++entry)
        outcome += "; " + m_ui.GetJournal()[entry];
    return outcome;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct stat StatOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}
