#include "persist/RecoveryCopy.h"

#include "persist/FileIo.h"
#include "persist/StableHash.h"
#include "persist/StateFolder.h"
#include "persist/TemporaryFile.h"
#include "platform/FilePaths.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr mode_t kCopyMode = 0600;
// Room for the numbers and the plan's path in front of the plan.
constexpr std::uint64_t kMaxHeaderBytes = std::uint64_t{1} << 20;

// The path by which every name of the plan file is one: links and "." resolved as far as the
// file exists, so that a plan opened through a link finds the copy its target left.
std::string CanonicalPlanPath(const std::string& planPath) {
    if (planPath.empty())
        return {};
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(PathFromUtf8(planPath), error);
    return error ? planPath : Utf8FromPath(canonical);
}

std::string CopyName(const std::string& planPath, RecoverySlot slot) {
    const std::string base =
        "recovery-" +
        (planPath.empty() ? std::string("untitled") : StableHash(CanonicalPlanPath(planPath)));
    return slot == RecoverySlot::Declined ? base + "-declined" : base;
}

RecoveryReadResult ReadSlot(int folder, const std::string& planPath, RecoverySlot slot) {
    const std::string name = CopyName(planPath, slot);
    RecoveryReadResult result;
    result.slot = slot;
    result.path = SaveBackupFolder() / name;
    const auto unusable = [&result](std::string problem) {
        result.status = RecoveryReadStatus::Unusable;
        result.problem = std::move(problem);
        return result;
    };
    const FileDescriptor fd(
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.IsOpen()) {
        if (errno == ENOENT)
            return result;
        return unusable(errno == ELOOP ? "it is a symbolic link" : std::strerror(errno));
    }
    if (std::string problem = PrivateFileProblem(fd.Get()); !problem.empty())
        return unusable(std::move(problem));
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        return unusable(std::strerror(errno));
    if (static_cast<std::uint64_t>(info.st_size) > kMaxHeaderBytes + kMaxRecoveryPlanBytes)
        return unusable("it is larger than any recovery copy");
    std::string contents;
    if (const std::error_code error = ReadAll(fd.Get(), contents))
        return unusable(error.message());
    std::optional<RecoveryCopyRecord> record = DecodeRecoveryCopy(contents);
    if (!record)
        return unusable("it is not a recovery copy");
    // Another plan whose path has the same hash: not this plan's changes.
    if (CanonicalPlanPath(record->planPath) != CanonicalPlanPath(planPath))
        return result;
    result.status = RecoveryReadStatus::Found;
    result.record = std::move(*record);
    return result;
}

// Whether the file holds exactly these bytes; false when it cannot be read.
bool HoldsExactly(const fs::path& file, std::string_view bytes) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) != bytes.size())
        return false;
    std::string contents;
    return !ReadAll(fd.Get(), contents) && contents == bytes;
}

} // namespace

fs::path RecoveryCopyPath(const std::string& planPath, RecoverySlot slot) {
    return SaveBackupFolder() / CopyName(planPath, slot);
}

PlanFileStamp StampOf(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return {};
    return {true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

RecoveryWriteResult WriteRecoveryCopy(const std::string& planPath, std::string planBytes) {
    if (planBytes.size() > kMaxRecoveryPlanBytes)
        return {RecoveryWriteStatus::TooLarge,
                "the plan is larger than " + std::to_string(kMaxRecoveryPlanBytes >> 20) + " MiB"};
    const StateFolder folder = OpenStateFolderForWriting();
    if (!folder.fd.IsOpen())
        return {RecoveryWriteStatus::FolderUnusable, folder.problem};
    const std::string name = CopyName(planPath, RecoverySlot::Current);
    RemoveStaleTemporaryFiles(SaveBackupFolder() / name);
    const RecoveryCopyRecord record{
        planPath, static_cast<std::int64_t>(std::time(nullptr)),
        planPath.empty() ? PlanFileStamp{} : StampOf(PathFromUtf8(planPath)), std::move(planBytes)};
    TemporaryFile temporary(folder.fd.Get(), name, kCopyMode);
    std::error_code error = temporary.CreationError();
    // The umask may take more than the group's and others' bits away.
    if (!error && ::fchmod(temporary.Get(), kCopyMode) != 0)
        error = LastSystemError();
    if (!error)
        error = temporary.Commit(EncodeRecoveryCopy(record));
    if (error)
        return {RecoveryWriteStatus::Failed,
                (SaveBackupFolder() / name).string() + ": " + error.message()};
    return {};
}

RecoveryReadResult ReadRecoveryCopy(const std::string& planPath) {
    const StateFolder folder = OpenStateFolder();
    if (!folder.fd.IsOpen())
        return {};
    RecoveryReadResult current = ReadSlot(folder.fd.Get(), planPath, RecoverySlot::Current);
    if (current.status != RecoveryReadStatus::None)
        return current;
    return ReadSlot(folder.fd.Get(), planPath, RecoverySlot::Declined);
}

bool DeclineRecoveryCopy(const std::string& planPath) {
    const StateFolder folder = OpenStateFolder();
    if (!folder.fd.IsOpen() ||
        ::renameat(folder.fd.Get(), CopyName(planPath, RecoverySlot::Current).c_str(),
                   folder.fd.Get(), CopyName(planPath, RecoverySlot::Declined).c_str()) != 0)
        return false;
    ::fsync(folder.fd.Get());
    return true;
}

void RemoveRecoveryCopy(const std::string& planPath, RecoverySlot slot) {
    const StateFolder folder = OpenStateFolder();
    if (folder.fd.IsOpen() && ::unlinkat(folder.fd.Get(), CopyName(planPath, slot).c_str(), 0) == 0)
        ::fsync(folder.fd.Get());
}

void RemoveRecoveryCopies(const std::string& planPath) {
    for (const RecoverySlot slot : {RecoverySlot::Current, RecoverySlot::Declined})
        RemoveRecoveryCopy(planPath, slot);
}

RecoveryVerdict JudgeRecoveryCopy(const RecoveryCopyRecord& record) {
    if (record.planPath.empty())
        return RecoveryVerdict::Newer;
    const fs::path file = PathFromUtf8(record.planPath);
    if (HoldsExactly(file, record.planBytes))
        return RecoveryVerdict::SameAsFile;
    return StampOf(file) == record.file ? RecoveryVerdict::Newer : RecoveryVerdict::ChangedSince;
}
