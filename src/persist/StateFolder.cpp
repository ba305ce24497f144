#include "persist/StateFolder.h"

#include "persist/LinkPolicy.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr mode_t kPrivateFolderMode = 0700;
constexpr mode_t kPrivateFileMode = 0600;

std::string ModeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

StateFolder Problem(std::string problem, int systemError = 0) {
    StateFolder folder;
    folder.problem = std::move(problem);
    folder.systemError = systemError;
    return folder;
}

StateFolder SystemProblem(const fs::path& path) {
    const int systemError = errno;
    // Opened without following a link, a link fails as "not a directory" or "too many
    // levels", which would not tell the user what is wrong.
    struct stat link {};
    if ((systemError == ELOOP || systemError == ENOTDIR) && ::lstat(path.c_str(), &link) == 0 &&
        S_ISLNK(link.st_mode))
        return Problem(path.string() + " is a symbolic link", systemError);
    return Problem(path.string() + ": " + std::strerror(systemError), systemError);
}

// The folder at path, if it is one and not a link; checks that it is the user's alone. name
// is path's last part when parent is the folder open above it.
StateFolder OpenExisting(int parent, const fs::path& name, const fs::path& path) {
    FileDescriptor fd(
        ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0)
        return SystemProblem(path);
    if (info.st_uid != ::geteuid())
        return Problem(path.string() + " belongs to user " + std::to_string(info.st_uid));
    if ((info.st_mode & 07777) != kPrivateFolderMode)
        return Problem(path.string() + " has mode " + ModeText(info.st_mode) + ", not 0700");
    StateFolder folder;
    folder.fd = FileDescriptor(fd.Release());
    return folder;
}

// The variable's value when it is an absolute path, else empty.
fs::path AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && fs::path(value).is_absolute() ? fs::path(value) : fs::path();
}

// HOME when it names an absolute folder other than the root folder.
fs::path UsableHome() {
    const fs::path home = AbsoluteVariable("HOME");
    return home.lexically_normal().has_relative_path() ? home : fs::path();
}

} // namespace

fs::path SaveBackupFolder() {
    if (const fs::path state = AbsoluteVariable("XDG_STATE_HOME"); !state.empty())
        return state / "orbelan";
    const fs::path home = UsableHome();
    return home.empty() ? home : home / ".local" / "state" / "orbelan";
}

std::string SaveBackupFolderText() {
    const fs::path path = SaveBackupFolder();
    return path.empty() ? "the state folder (neither XDG_STATE_HOME nor HOME names an absolute "
                          "folder)"
                        : path.string();
}

StateFolder OpenStateFolder() {
    const fs::path path = SaveBackupFolder();
    if (path.empty())
        return Problem(SaveBackupFolderText(), ENOENT);
    return OpenExisting(AT_FDCWD, path, path);
}

StateFolder OpenStateFolderForWriting() {
    const fs::path path = SaveBackupFolder();
    if (path.empty())
        return Problem(SaveBackupFolderText(), ENOENT);
    if (AbsoluteVariable("XDG_STATE_HOME").empty()) {
        WalkedFolder home;
        if (const std::error_code error = WalkToFolder(UsableHome(), home))
            return Problem(UsableHome().string() + ": " + error.message(), error.value());
    }
    WalkedFolder parent;
    if (const std::error_code error = WalkToFolder(path.parent_path(), parent, kPrivateFolderMode))
        return Problem(path.string() + ": " + error.message(), error.value());
    StateFolder existing = OpenExisting(parent.fd.Get(), path.filename(), path);
    if (!existing.Missing())
        return existing;
    // Made as its parents are.
    WalkedFolder made;
    if (const std::error_code error = WalkToFolder(path, made, kPrivateFolderMode))
        return Problem(path.string() + ": " + error.message(), error.value());
    return OpenExisting(parent.fd.Get(), path.filename(), path);
}

std::string PrivateFileProblem(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::strerror(errno);
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    if (info.st_uid != ::geteuid())
        return "it belongs to user " + std::to_string(info.st_uid);
    if ((info.st_mode & 07777) != kPrivateFileMode)
        return "it has mode " + ModeText(info.st_mode) + ", not 0600";
    return {};
}
