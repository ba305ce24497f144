#include "persist/PlanFileOpen.h"

#include "persist/PlanFile.h"
#include "persist/PlanTextReader.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PlanOpenErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "orbelan-open"; }
    std::string message(int) const override {
        return "not a plan file but a device, a pipe or a socket";
    }
};

const PlanOpenErrorCategory& PlanOpenErrors() {
    static const PlanOpenErrorCategory category;
    return category;
}

std::error_code SystemError() {
    return {errno, std::system_category()};
}

// The whole file in bytes, or the reason why it cannot be read. Only a regular file is
// read: a device may never end and a pipe may never answer.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return SystemError();
    struct stat info {};
    std::error_code error;
    if (::fstat(fd, &info) != 0)
        error = SystemError();
    else if (S_ISDIR(info.st_mode))
        error = std::make_error_code(std::errc::is_a_directory);
    else if (!S_ISREG(info.st_mode))
        error = {1, PlanOpenErrors()};
    char buffer[65536];
    while (!error) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = SystemError();
        if (got <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return error;
}

} // namespace

PlanOpenResult ReadPlanFile(std::string_view bytes, Plan& plan) {
    PlanTextReader in(bytes);
    std::uint32_t signature = 0;
    if (!in.ReadUnsigned(signature) || signature != PlanFileSignature)
        return {PlanOpenStatus::FormatError, 0, {}};
    plan.Reset();
    ReadPlan(in, plan);
    return {PlanOpenStatus::Opened, in.FailedLine(), {}};
}

PlanOpenResult OpenPlanFile(const std::filesystem::path& path, Plan& plan) {
    std::string bytes;
    if (const std::error_code error = ReadWholeFile(path, bytes))
        return {PlanOpenStatus::CannotOpen, 0, error};
    return ReadPlanFile(bytes, plan);
}
