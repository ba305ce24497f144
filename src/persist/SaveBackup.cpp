#include "persist/SaveBackup.h"

#include "persist/FileIo.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path BackupPath(const struct stat& info) {
    return SaveBackupFolder() /
           ("save-" + std::to_string(info.st_dev) + "-" + std::to_string(info.st_ino));
}

std::error_code MakeBackupFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder.parent_path(), error);
    if (error)
        return error;
    // The old bytes are the user's: nobody else may read them.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return LastSystemError();
    return {};
}

bool IsSameFile(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

} // namespace

fs::path SaveBackupFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && fs::path(state).is_absolute())
        return fs::path(state) / "orbelan";
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "/") / ".local" / "state" / "orbelan";
}

std::error_code WriteSaveBackup(const fs::path& file, const struct stat& info,
                                std::string_view bytes) {
    const fs::path backup = BackupPath(info);
    if (const std::error_code error = MakeBackupFolder(backup.parent_path()))
        return error;
    std::string temporary = backup.string() + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.IsOpen())
        return LastSystemError();
    // Absolute, so that the backup is found whatever the current folder of a later run.
    std::error_code ignored;
    std::string contents = fs::absolute(file, ignored).lexically_normal().string();
    contents.push_back('\0');
    contents.append(bytes);
    std::error_code error = WriteAll(fd.Get(), contents);
    if (!error && ::fsync(fd.Get()) != 0)
        error = LastSystemError();
    if (const std::error_code closed = fd.Close(); !error)
        error = closed;
    if (!error && ::rename(temporary.c_str(), backup.c_str()) != 0)
        error = LastSystemError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(backup.parent_path());
    return {};
}

void RemoveSaveBackup(const struct stat& info) {
    const fs::path backup = BackupPath(info);
    ::unlink(backup.c_str());
    SyncFolder(backup.parent_path());
}

RestoreResult RestoreInterruptedSave(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return {};
    const FileDescriptor backup(::open(BackupPath(info).c_str(), O_RDONLY | O_CLOEXEC));
    if (!backup.IsOpen())
        return {false, errno == ENOENT ? std::error_code() : LastSystemError()};
    std::string contents;
    if (const std::error_code error = ReadAll(backup.Get(), contents))
        return {false, error};
    const std::size_t end = contents.find('\0');
    struct stat recorded {};
    if (end == std::string::npos || ::stat(contents.substr(0, end).c_str(), &recorded) != 0 ||
        !IsSameFile(recorded, info)) {
        RemoveSaveBackup(info);
        return {};
    }
    FileDescriptor target(::open(file.c_str(), O_WRONLY | O_CLOEXEC));
    if (!target.IsOpen())
        return {false, LastSystemError()};
    std::error_code error =
        ReplaceContents(target.Get(), std::string_view(contents).substr(end + 1));
    if (const std::error_code closed = target.Close(); !error)
        error = closed;
    if (error)
        return {false, error};
    RemoveSaveBackup(info);
    return {true, {}};
}
