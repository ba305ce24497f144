#include "persist/AtomicFileWriter.h"

#include "persist/FileAttributes.h"
#include "persist/FileIo.h"
#include "persist/FileLock.h"
#include "persist/InPlaceWriter.h"
#include "persist/LinkPolicy.h"
#include "persist/SaveBackup.h"
#include "persist/SaveErrors.h"
#include "persist/SaveExclusion.h"
#include "persist/TemporaryFile.h"
#include "persist/WritePermission.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::function<void()> g_beforeOpenForTesting;

// What every program's new file gets: read and write for all, less the umask, or as the
// folder's default ACL says.
constexpr mode_t kNewFileMode = 0666;
// A replacement takes the attributes of the file it replaces; until then it is ours alone.
constexpr mode_t kReplacementMode = 0600;

std::error_code WriteNewFile(const fs::path& target, std::string_view bytes) {
    TemporaryFile temporary(target, kNewFileMode);
    if (temporary.CreationError())
        return temporary.CreationError();
    return temporary.Commit(bytes);
}

// The file that was checked, opened without following a link and locked for this save
// (locked says whether it is, or only read locks stood in the way); anything put in its place
// since the check is refused rather than written through.
std::error_code OpenChecked(const fs::path& target, const struct stat& info, FileDescriptor& fd,
                            bool& locked) {
    if (g_beforeOpenForTesting)
        g_beforeOpenForTesting();
    fd = FileDescriptor(OpenWithoutLinks(target, O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &opened) != 0)
        return LastSystemError();
    if (opened.st_dev != info.st_dev || opened.st_ino != info.st_ino)
        return MakeSaveError(SaveFailure::FileReplacedDuringSave);
    const LockWait wait = LockForSave(fd.Get());
    locked = wait == LockWait::Free;
    switch (wait) {
    case LockWait::Free:
    case LockWait::ReadLocksOnly:
        return {};
    case LockWait::Busy:
        return MakeSaveError(SaveFailure::SaveInProgress);
    case LockWait::Failed:
        break;
    }
    return LastSystemError();
}

std::error_code ReplaceExistingFile(const fs::path& target, const struct stat& checked,
                                    std::string_view bytes) {
    FileDescriptor fd(-1);
    bool locked = false;
    if (const std::error_code error = OpenChecked(target, checked, fd, locked))
        return error;
    SaveExclusion exclusion;
    switch (exclusion.ForSave(target, checked, locked)) {
    case LockWait::Free:
    case LockWait::ReadLocksOnly:
        break;
    case LockWait::Busy:
        return MakeSaveError(SaveFailure::SaveInProgress);
    case LockWait::Failed:
        // Holding the file's own lock, this save keeps every other save and restore of the
        // file waiting as before; without it, it would run alongside them unseen.
        if (!locked)
            return MakeSaveError(SaveFailure::UnprotectedSave);
        break;
    }
    // A save that took the file's lock while this one was taking the exclusion may have
    // found no state folder yet and gone on without: it is let finish alone.
    if (!locked && SaveHoldsFile(fd.Get()))
        return MakeSaveError(SaveFailure::SaveInProgress);
    // What it finds was told to the user when the file was opened; here it only matters
    // that an interrupted write is undone before this one begins, under this save's lock.
    RestoreInterruptedSaveOf(fd.Get(), checked);
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        return LastSystemError();
    RemoveStaleTemporaryFiles(target);
    if (info.st_nlink > 1)
        return WriteFileInPlace(fd.Get(), target, info, bytes);
    {
        TemporaryFile temporary(target, kReplacementMode);
        if (!temporary.CreationError() && !CopyFileAttributes(target, info, temporary.Get()))
            return temporary.Commit(bytes);
    }
    return WriteFileInPlace(fd.Get(), target, info, bytes);
}

} // namespace

void SetBeforeOpenHookForTesting(std::function<void()> hook) {
    g_beforeOpenForTesting = std::move(hook);
}

std::error_code WriteFileSafely(const fs::path& target, std::string_view bytes) {
    fs::path resolved;
    if (const std::error_code error = ResolveLinksForSave(target, resolved))
        return error;
    struct stat info {};
    if (::lstat(resolved.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return LastSystemError();
        return WriteNewFile(resolved, bytes);
    }
    // A folder, a device or a pipe is never turned into a plan file.
    if (S_ISDIR(info.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode))
        return MakeSaveError(SaveFailure::NotARegularFile);
    if (const std::error_code error = CheckWritePermission(resolved, info))
        return error;
    return ReplaceExistingFile(resolved, info, bytes);
}

bool WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    return !WriteFileSafely(target, bytes);
}
