#include "persist/PlanFileOpen.h"

#include "persist/PlanFile.h"
#include "persist/PlanTextReader.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The whole file in bytes, or the reason why it cannot be read.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::make_error_code(std::errc::is_a_directory);
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {errno != 0 ? errno : EIO, std::system_category()};
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::make_error_code(std::errc::io_error);
    return {};
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
