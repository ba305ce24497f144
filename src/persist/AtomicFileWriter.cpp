#include "persist/AtomicFileWriter.h"

#include "persist/FileAttributes.h"
#include "persist/FileIo.h"
#include "persist/InPlaceWriter.h"
#include "persist/SaveBackup.h"
#include "persist/TemporaryFile.h"
#include "persist/WritePermission.h"

#include <cerrno>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Follows symbolic links so that the file they name is replaced, not the link.
fs::path ResolveLinks(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::error_code WriteNewFile(const fs::path& target, std::string_view bytes) {
    TemporaryFile temporary(target);
    if (temporary.CreationError())
        return temporary.CreationError();
    if (::fchmod(temporary.Get(), NewFileMode()) != 0)
        return LastSystemError();
    return temporary.Commit(bytes);
}

std::error_code ReplaceExistingFile(const fs::path& target, const struct stat& info,
                                    std::string_view bytes) {
    if (info.st_nlink > 1)
        return WriteFileInPlace(target, bytes);
    {
        TemporaryFile temporary(target);
        if (!temporary.CreationError() && !CopyFileAttributes(target, info, temporary.Get()))
            return temporary.Commit(bytes);
    }
    return WriteFileInPlace(target, bytes);
}

} // namespace

std::error_code WriteFileSafely(const fs::path& target, std::string_view bytes) {
    const fs::path resolved = ResolveLinks(target);
    if (const std::error_code error = RestoreInterruptedSave(resolved).error)
        return error;
    struct stat info {};
    if (::stat(resolved.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return LastSystemError();
        return WriteNewFile(resolved, bytes);
    }
    // A folder, a device or a pipe is never turned into a plan file.
    if (!S_ISREG(info.st_mode))
        return std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                          : std::errc::invalid_argument);
    if (const std::error_code error = CheckWritePermission(resolved, info))
        return error;
    return ReplaceExistingFile(resolved, info, bytes);
}

bool WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    return !WriteFileSafely(target, bytes);
}
