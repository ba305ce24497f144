#include "persist/TemporaryFile.h"

#include "persist/LinkPolicy.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::string_view kRandomPart = "XXXXXX";
// The dot in front, the dot before the random part, the random part and the suffix.
constexpr std::size_t kAddedLength = 2 + kRandomPart.size() + kSuffix.size();

// Taken as the program starts: temporary files older than this cannot belong to a save
// that this process is making. File times come from a coarser clock, hence the margin.
const auto kStaleBefore = std::chrono::system_clock::now() - std::chrono::seconds(2);

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// ".NAME." with NAME cut so that the temporary name fits in NAME_MAX bytes.
std::string TemporaryPrefix(const fs::path& target) {
    std::string name = target.filename().string();
    if (name.size() + kAddedLength > NAME_MAX)
        name.resize(NAME_MAX - kAddedLength);
    return "." + name + ".";
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kRandomPart.size() + kSuffix.size() ||
        !name.starts_with(prefix) || !name.ends_with(kSuffix))
        return false;
    for (const char c : name.substr(prefix.size(), kRandomPart.size()))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Creates the file in the folder and gives its name back: mkostemps, in a folder open and
// with a mode of our choosing.
int CreateIn(int folder, const fs::path& target, mode_t mode, std::string& created) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    const std::string prefix = TemporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (std::size_t i = 0; i < kRandomPart.size(); ++i)
            name += kLetters[pick(random)];
        name += kSuffix;
        const int fd = ::openat(folder, name.c_str(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            if (fd >= 0)
                created = std::move(name);
            return fd;
        }
    }
    return -1;
}

} // namespace

TemporaryFile::TemporaryFile(const fs::path& target, mode_t mode)
    : m_targetName(target.filename()),
      m_folder(OpenWithoutLinks(FolderOf(target), O_PATH | O_DIRECTORY | O_CLOEXEC)),
      m_fd(m_folder.IsOpen() ? CreateIn(m_folder.Get(), target, mode, m_name) : -1) {
    if (!m_fd.IsOpen())
        m_creationError = LastSystemError();
}

TemporaryFile::TemporaryFile(int folder, const fs::path& name, mode_t mode)
    : m_targetName(name.filename()), m_folder(::fcntl(folder, F_DUPFD_CLOEXEC, 0)),
      m_fd(m_folder.IsOpen() ? CreateIn(m_folder.Get(), name, mode, m_name) : -1) {
    if (!m_fd.IsOpen())
        m_creationError = LastSystemError();
}

TemporaryFile::~TemporaryFile() {
    if (!m_name.empty() && !m_committed)
        ::unlinkat(m_folder.Get(), m_name.c_str(), 0);
}

std::error_code TemporaryFile::Commit(std::string_view bytes) {
    std::error_code error = WriteAll(m_fd.Get(), bytes);
    if (!error && ::fsync(m_fd.Get()) != 0)
        error = LastSystemError();
    if (const std::error_code closed = m_fd.Close(); !error)
        error = closed;
    if (!error &&
        ::renameat(m_folder.Get(), m_name.c_str(), m_folder.Get(), m_targetName.c_str()) != 0)
        error = LastSystemError();
    if (error)
        return error;
    m_committed = true;
    SyncFolder(".", m_folder.Get());
    return {};
}

void RemoveStaleTemporaryFiles(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    const fs::path folder = FolderOf(target);
    const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::error_code error;
    bool removed = false;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        struct stat info {};
        if (!IsTemporaryName(name, prefix) ||
            ::fstatat(dir.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
            std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec) >= kStaleBefore)
            continue;
        removed |= ::unlinkat(dir.Get(), name.c_str(), 0) == 0;
    }
    if (removed)
        ::fsync(dir.Get());
}
