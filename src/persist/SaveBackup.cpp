#include "persist/SaveBackup.h"

#include "persist/FileIo.h"
#include "persist/FileLock.h"
#include "persist/InterruptedWrite.h"
#include "persist/SaveBackupRecord.h"
#include "persist/SaveErrors.h"
#include "persist/SaveExclusion.h"
#include "persist/StateFolder.h"
#include "persist/UserMessages.h"
#include "persist/WritePermission.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string BackupName(const struct stat& info) {
    return "save-" + std::to_string(info.st_dev) + "-" + std::to_string(info.st_ino);
}

constexpr std::size_t kRandomLength = 8;
constexpr std::string_view kTemporarySuffix = ".tmp";

// A name in the folder that nobody uses yet, made from base.
std::string UnusedName(const std::string& base) {
    char suffix[2 + kRandomLength];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(std::random_device()()));
    return base + suffix;
}

// Removes what killed saves left of earlier backups of this name. The save that calls this
// holds the file's exclusion (SaveExclusion.h), so no save that is running owns one of them.
void RemoveStaleTemporaries(int folder, const std::string& name) {
    std::error_code error;
    for (fs::directory_iterator entry(SaveBackupFolder(), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string found = entry->path().filename().string();
        struct stat info {};
        if (found.size() == name.size() + 1 + kRandomLength + kTemporarySuffix.size() &&
            found.starts_with(name + ".") && found.ends_with(kTemporarySuffix) &&
            ::fstatat(folder, found.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlinkat(folder, found.c_str(), 0);
    }
}

// Writes contents to a new file of the folder and renames it to name: all of it or none.
std::error_code WriteFileInFolder(int folder, const std::string& name, std::string_view contents) {
    RemoveStaleTemporaries(folder, name);
    std::string temporary;
    FileDescriptor fd(-1);
    for (int attempt = 0; attempt < 100 && !fd.IsOpen(); ++attempt) {
        temporary = UnusedName(name) + std::string(kTemporarySuffix);
        fd = FileDescriptor(::openat(folder, temporary.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.IsOpen() && errno != EEXIST)
            break;
    }
    if (!fd.IsOpen())
        return BackupFolderError(errno);
    std::error_code error = WriteAll(fd.Get(), contents);
    if (!error && ::fsync(fd.Get()) != 0)
        error = LastSystemError();
    if (const std::error_code closed = fd.Close(); !error)
        error = closed;
    if (!error && ::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0)
        error = LastSystemError();
    if (error) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return BackupFolderError(error.value());
    }
    ::fsync(folder);
    return {};
}

// Moves a backup that this file does not match out of the way of later saves, keeping it
// under a plan file's name: the program opens a backup as the plan it holds from before
// its save (PlanFileOpen.h).
fs::path SetAside(int folder, const std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string kept =
            UnusedName("kept-" + name + "-" + std::to_string(std::time(nullptr))) + ".Orbe";
        if (::renameat2(folder, name.c_str(), folder, kept.c_str(), RENAME_NOREPLACE) == 0) {
            ::fsync(folder);
            return SaveBackupFolder() / kept;
        }
        if (errno != EEXIST)
            break;
    }
    return SaveBackupFolder() / name;
}

// Puts the old bytes and modification time back into the file open at fd.
std::error_code PutBack(int fd, const SaveBackupRecord& record) {
    if (const std::error_code error = ReplaceContents(fd, record.oldBytes))
        return error;
    const struct timespec times[2] = {
        {0, UTIME_OMIT},
        {static_cast<time_t>(record.mtimeSeconds), static_cast<long>(record.mtimeNanoseconds)}};
    ::futimens(fd, times);
    return {};
}

} // namespace

std::error_code WriteSaveBackup(const fs::path& file, const struct stat& info,
                                std::string_view oldBytes, std::string_view newBytes) {
    const StateFolder folder = OpenStateFolderForWriting();
    if (!folder.fd.IsOpen())
        return folder.systemError != 0 ? BackupFolderError(folder.systemError)
                                       : MakeSaveError(SaveFailure::BackupFolderNotPrivate);
    std::error_code ignored;
    // Absolute, so that the user is told a path that means something from anywhere.
    const SaveBackupRecord record{static_cast<std::uint64_t>(info.st_dev),
                                  static_cast<std::uint64_t>(info.st_ino),
                                  static_cast<std::int64_t>(info.st_mtim.tv_sec),
                                  static_cast<std::int64_t>(info.st_mtim.tv_nsec),
                                  fs::absolute(file, ignored).lexically_normal().string(),
                                  oldBytes,
                                  newBytes};
    return WriteFileInFolder(folder.fd.Get(), BackupName(info), EncodeSaveBackup(record));
}

void RemoveSaveBackup(const struct stat& info) {
    const StateFolder folder = OpenStateFolder();
    if (!folder.fd.IsOpen())
        return;
    ::unlinkat(folder.fd.Get(), BackupName(info).c_str(), 0);
    ::fsync(folder.fd.Get());
}

namespace {

// The restore of the file open at target (stat info), which this process may change unless
// denied says why not. Unless the caller is a save that holds the file's exclusion already,
// the restore takes it, and so waits for a save of the file that is running.
RestoreResult RestoreOpenFile(int target, const struct stat& info, const std::error_code& denied,
                              bool exclude) {
    const std::string name = BackupName(info);
    const StateFolder folder = OpenStateFolder();
    if (!folder.fd.IsOpen()) {
        struct stat planted {};
        if (folder.Missing() || ::lstat((SaveBackupFolder() / name).c_str(), &planted) != 0)
            return folder.Missing() ? RestoreResult{}
                                    : RestoreResult{RestoreStatus::Unchecked, {}, folder.problem};
        return RestoreResult{RestoreStatus::Ignored, SaveBackupFolder() / name, folder.problem};
    }
    SaveExclusion exclusion;
    switch (exclude ? exclusion.ForRestore(folder.fd.Get(), info) : LockWait::Free) {
    case LockWait::Free:
    case LockWait::ReadLocksOnly:
        break;
    case LockWait::Busy:
        return RestoreResult{
            RestoreStatus::InProgress, {}, MakeSaveError(SaveFailure::SaveInProgress).message()};
    case LockWait::Failed:
        // A backup looked at without the exclusion might be one a running save still needs.
        return RestoreResult{RestoreStatus::Unchecked, {}, exclusion.Problem()};
    }
    const fs::path backupPath = SaveBackupFolder() / name;
    const FileDescriptor backup(
        ::openat(folder.fd.Get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!backup.IsOpen()) {
        if (errno == ENOENT)
            return {};
        return RestoreResult{RestoreStatus::Ignored, backupPath,
                             errno == ELOOP ? "it is a symbolic link" : std::strerror(errno)};
    }
    if (const std::string problem = PrivateFileProblem(backup.Get()); !problem.empty())
        return RestoreResult{RestoreStatus::Ignored, backupPath, problem};
    std::string contents;
    std::string current;
    if (ReadAll(backup.Get(), contents) || ReadAll(target, current))
        return {};
    const std::optional<SaveBackupRecord> record = DecodeSaveBackup(contents);
    const WriteState state = record && record->device == static_cast<std::uint64_t>(info.st_dev) &&
                                     record->inode == static_cast<std::uint64_t>(info.st_ino)
                                 ? ClassifyWrite(current, record->oldBytes, record->newBytes)
                                 : WriteState::Other;
    switch (state) {
    case WriteState::Old:
    case WriteState::New:
        ::unlinkat(folder.fd.Get(), name.c_str(), 0);
        ::fsync(folder.fd.Get());
        return {};
    case WriteState::Other:
        return RestoreResult{RestoreStatus::Unmatched, SetAside(folder.fd.Get(), name), {}};
    case WriteState::Torn:
        break;
    }
    if (denied)
        return RestoreResult{RestoreStatus::Refused, backupPath, denied.message()};
    // Killed part-way, this leaves what the next look takes for torn again and finishes.
    if (const std::error_code error = PutBack(target, *record))
        return RestoreResult{RestoreStatus::Refused, backupPath, error.message()};
    ::unlinkat(folder.fd.Get(), name.c_str(), 0);
    ::fsync(folder.fd.Get());
    return RestoreResult{RestoreStatus::Restored, backupPath, {}};
}

} // namespace

RestoreResult RestoreInterruptedSave(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const std::error_code denied = CheckWritePermission(file, info);
    const FileDescriptor target(
        ::open(file.c_str(), (denied ? O_RDONLY : O_RDWR) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!target.IsOpen() || ::fstat(target.Get(), &opened) != 0 || opened.st_dev != info.st_dev ||
        opened.st_ino != info.st_ino)
        return {};
    // A save of this file that is running now finishes (and removes its backup) before the
    // backup is looked at.
    const LockWait wait = denied ? WaitForOtherSaves(target.Get()) : LockForSave(target.Get());
    if (wait == LockWait::Busy)
        return RestoreResult{
            RestoreStatus::InProgress, {}, MakeSaveError(SaveFailure::SaveInProgress).message()};
    if (wait == LockWait::Failed)
        return {};
    return RestoreOpenFile(target.Get(), opened, denied, true);
}

RestoreResult RestoreInterruptedSaveOf(int fd, const struct stat& info) {
    return RestoreOpenFile(fd, info, {}, false);
}

PlanOpenResult OpenAfterRestore(const RestoreResult& restore, const fs::path& file, Plan& plan) {
    if (restore.status == RestoreStatus::InProgress)
        return {PlanOpenStatus::CannotOpen, 0, MakeOpenError(OpenFailure::SaveInProgress), 0};
    return OpenPlanFile(file, plan);
}

RestoreNotice DescribeRestore(const RestoreResult& result, const std::string& path) {
    const std::string backup = result.backup.string();
    switch (result.status) {
    case RestoreStatus::NoBackup:
    case RestoreStatus::InProgress:
    case RestoreStatus::Unchecked:
        return {};
    case RestoreStatus::Restored:
        return {std::string(kInterruptedSaveUndone), path};
    case RestoreStatus::Unmatched:
        return {std::string(kUnmatchedSaveBackup), backup};
    case RestoreStatus::Refused:
        return {std::string(kInterruptedSaveNotUndone), backup + " (" + result.reason + ")"};
    case RestoreStatus::Ignored:
        return {std::string(kSaveBackupIgnored), backup + " (" + result.reason + ")"};
    }
    return {};
}
