#include "persist/TemporaryFile.h"

#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSuffix = ".tmp";

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Creates the file and gives its name back in path.
int CreateBeside(const fs::path& target, fs::path& path) {
    // Built by path appends rather than string concatenation, which GCC 12 at -O3 warns
    // about falsely.
    fs::path name = FolderOf(target) / ".";
    name += target.filename();
    name += ".XXXXXX";
    name += kSuffix;
    std::string pattern = name.string();
    const int fd = ::mkostemps(pattern.data(), static_cast<int>(kSuffix.size()), O_CLOEXEC);
    if (fd >= 0)
        path = pattern;
    return fd;
}

} // namespace

TemporaryFile::TemporaryFile(const fs::path& target)
    : m_target(target), m_fd(CreateBeside(target, m_path)) {
    if (!m_fd.IsOpen())
        m_creationError = LastSystemError();
}

TemporaryFile::~TemporaryFile() {
    if (!m_path.empty() && !m_committed)
        ::unlink(m_path.c_str());
}

std::error_code TemporaryFile::Commit(std::string_view bytes) {
    std::error_code error = WriteAll(m_fd.Get(), bytes);
    if (!error && ::fsync(m_fd.Get()) != 0)
        error = LastSystemError();
    if (const std::error_code closed = m_fd.Close(); !error)
        error = closed;
    if (!error && ::rename(m_path.c_str(), m_target.c_str()) != 0)
        error = LastSystemError();
    if (error)
        return error;
    m_committed = true;
    SyncFolder(FolderOf(m_target));
    return {};
}
