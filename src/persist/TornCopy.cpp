#include "persist/TornCopy.h"

#include "persist/FileIo.h"
#include "persist/InterruptedWrite.h"
#include "persist/PlanFileOpen.h"
#include "persist/SaveBackupRecord.h"
#include "persist/StateFolder.h"

#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Backups are one per file being saved; a folder with more than this holds something else.
constexpr int kMostBackups = 1000;

// The whole of the regular file at name (in folder), if it is one and no larger than limit.
std::optional<std::string> ReadBounded(int folder, const char* name, std::uint64_t limit) {
    const FileDescriptor fd(
        ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    std::string bytes;
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > limit || ReadAll(fd.Get(), bytes))
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<TornCopy> FindTornCopy(const fs::path& path) {
    const std::optional<std::string> current =
        ReadBounded(AT_FDCWD, path.c_str(), kMaxPlanFileBytes);
    const StateFolder folder = OpenStateFolder();
    if (!current || !folder.fd.IsOpen())
        return std::nullopt;
    std::error_code error;
    int looked = 0;
    for (fs::directory_iterator entry(SaveBackupFolder(), error), end;
         !error && entry != end && looked < kMostBackups; entry.increment(error), ++looked) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with("save-") || name.find('.') != std::string::npos)
            continue;
        const FileDescriptor backup(::openat(folder.fd.Get(), name.c_str(),
                                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!backup.IsOpen() || !PrivateFileProblem(backup.Get()).empty())
            continue;
        const std::optional<std::string> contents =
            ReadBounded(folder.fd.Get(), name.c_str(), 2 * kMaxPlanFileBytes + 4096);
        const std::optional<SaveBackupRecord> record =
            contents ? DecodeSaveBackup(*contents) : std::nullopt;
        if (record &&
            ClassifyWrite(*current, record->oldBytes, record->newBytes) == WriteState::Torn)
            return TornCopy{record->path, entry->path()};
    }
    return std::nullopt;
}
