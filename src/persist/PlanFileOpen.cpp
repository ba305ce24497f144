#include "persist/PlanFileOpen.h"

#include "persist/FileLock.h"
#include "persist/PlanFile.h"
#include "persist/PlanTextReader.h"
#include "persist/SaveBackupRecord.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PlanOpenErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "orbelan-open"; }
    std::string message(int value) const override {
        switch (static_cast<OpenFailure>(value)) {
        case OpenFailure::NotRegularFile:
            return "not a plan file but a device, a pipe or a socket";
        case OpenFailure::SaveInProgress:
            return "another save of this file is in progress; try again when it has finished";
        case OpenFailure::ChangedWhileReading:
            return "the file was being changed all the time it was read; try again";
        case OpenFailure::TooLarge:
            return "the file is far larger than any plan (it does not end within " +
                   std::to_string(kMaxPlanFileBytes >> 20) + " MiB), so it was not read";
        }
        return "unknown error";
    }
};

const PlanOpenErrorCategory& PlanOpenErrors() {
    static const PlanOpenErrorCategory category;
    return category;
}

std::error_code SystemError() {
    return {errno, std::system_category()};
}

PlanOpenResult CannotOpen(std::error_code error) {
    return {PlanOpenStatus::CannotOpen, 0, error, 0};
}

// Reads the plan into plan from the text; fileSize is the size of the whole file, of
// which text is the start, ending at a line end unless it is all of it.
PlanOpenResult ReadPlanText(std::string_view text, std::uint64_t fileSize, Plan& plan,
                            bool& ranOut) {
    PlanTextReader in(text);
    std::uint32_t signature = 0;
    ranOut = false;
    // The signature line is short: a first part that does not hold it is no plan.
    if (!in.ReadUnsigned(signature) || signature != PlanFileSignature)
        return {PlanOpenStatus::FormatError, 0, {}, 0};
    plan.Reset();
    ReadPlan(in, plan);
    ranOut = in.RanOut();
    return {
        PlanOpenStatus::Opened, in.FailedLine(), {}, in.Failed() ? 0 : fileSize - in.Consumed()};
}

// Reads the file at fd from its start until bytes holds want bytes or the whole file; true
// when it is the whole file.
std::error_code ReadUpTo(int fd, std::string& bytes, std::size_t want, bool& atEnd) {
    atEnd = false;
    while (bytes.size() < want && !atEnd) {
        const std::size_t before = bytes.size();
        bytes.resize(want);
        const ssize_t got =
            ::pread(fd, bytes.data() + before, want - before, static_cast<off_t>(before));
        bytes.resize(before + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0 && errno != EINTR)
            return SystemError();
        atEnd = got == 0;
    }
    return {};
}

// Reads from the start of the file at fd only as far as the plan goes: a first part, then
// twice as much each time the plan ran past it. Every part read ends at a line end, so no
// value is ever cut in two. A save backup is read whole.
PlanOpenResult ReadBoundedPlan(int fd, std::uint64_t fileSize, Plan& plan) {
    std::string bytes;
    for (std::size_t want = 64 << 10;;
         want = static_cast<std::size_t>(std::min<std::uint64_t>(2 * want, kMaxPlanFileBytes))) {
        bool atEnd = false;
        if (const std::error_code error = ReadUpTo(fd, bytes, want, atEnd))
            return CannotOpen(error);
        if (atEnd)
            return ReadPlanFile(bytes, plan);
        if (!IsSaveBackup(bytes)) {
            bool ranOut = false;
            const std::string_view text = std::string_view(bytes).substr(0, bytes.rfind('\n') + 1);
            const PlanOpenResult result = ReadPlanText(text, fileSize, plan, ranOut);
            if (!ranOut)
                return result;
        }
        if (want >= kMaxPlanFileBytes)
            return CannotOpen(MakeOpenError(OpenFailure::TooLarge));
    }
}

bool SameVersion(const struct stat& before, const struct stat& after) {
    return before.st_ino == after.st_ino && before.st_size == after.st_size &&
           before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec &&
           before.st_ctim.tv_sec == after.st_ctim.tv_sec &&
           before.st_ctim.tv_nsec == after.st_ctim.tv_nsec;
}

// Reads the file open at fd until one read met no save: a save in place holds the file
// while it writes and changes its times with every write, so a read that ran into one
// sees the one or the other, and is done again.
PlanOpenResult ReadUnchangedPlan(int fd, Plan& plan) {
    constexpr int kAttempts = 5;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        switch (WaitForOtherSaves(fd)) {
        case LockWait::Free:
        case LockWait::ReadLocksOnly:
            break;
        case LockWait::Busy:
            return CannotOpen(MakeOpenError(OpenFailure::SaveInProgress));
        case LockWait::Failed:
            return CannotOpen(SystemError());
        }
        struct stat before {};
        if (::fstat(fd, &before) != 0)
            return CannotOpen(SystemError());
        Plan read;
        const PlanOpenResult result =
            ReadBoundedPlan(fd, static_cast<std::uint64_t>(before.st_size), read);
        struct stat after {};
        if (::fstat(fd, &after) != 0)
            return CannotOpen(SystemError());
        if (!SaveHoldsFile(fd) && SameVersion(before, after)) {
            if (result.status == PlanOpenStatus::Opened)
                plan = std::move(read);
            return result;
        }
    }
    return CannotOpen(MakeOpenError(OpenFailure::ChangedWhileReading));
}

} // namespace

std::error_code MakeOpenError(OpenFailure failure) {
    return {static_cast<int>(failure), PlanOpenErrors()};
}

PlanOpenResult ReadPlanFile(std::string_view bytes, Plan& plan) {
    if (const std::optional<SaveBackupRecord> record = DecodeSaveBackup(bytes))
        bytes = record->oldBytes;
    Plan read;
    bool ranOut = false;
    const PlanOpenResult result = ReadPlanText(bytes, bytes.size(), read, ranOut);
    if (result.status == PlanOpenStatus::Opened)
        plan = std::move(read);
    return result;
}

PlanOpenResult OpenPlanFile(const std::filesystem::path& path, Plan& plan) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return CannotOpen(SystemError());
    struct stat info {};
    PlanOpenResult result;
    if (::fstat(fd, &info) != 0)
        result = CannotOpen(SystemError());
    else if (S_ISDIR(info.st_mode))
        result = CannotOpen(std::make_error_code(std::errc::is_a_directory));
    else if (!S_ISREG(info.st_mode))
        result = CannotOpen(MakeOpenError(OpenFailure::NotRegularFile));
    else
        result = ReadUnchangedPlan(fd, plan);
    ::close(fd);
    return result;
}

bool IsPlanFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    std::string start(64, '\0');
    ssize_t got = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        got = ::pread(fd, start.data(), start.size(), 0);
    ::close(fd);
    start.resize(static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    PlanTextReader in(start);
    std::uint32_t signature = 0;
    return IsSaveBackup(start) || (in.ReadUnsigned(signature) && signature == PlanFileSignature);
}
