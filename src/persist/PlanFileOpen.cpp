#include "persist/PlanFileOpen.h"

#include "persist/PlanFile.h"
#include "persist/PlanTextReader.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

PlanOpenResult ReadPlanFile(std::string_view bytes, Plan& plan) {
    PlanTextReader in(bytes);
    std::uint32_t signature = 0;
    if (!in.ReadUnsigned(signature) || signature != PlanFileSignature) {
        return {PlanOpenStatus::FormatError, 0};
    }
    plan.Reset();
    ReadPlan(in, plan);
    return {PlanOpenStatus::Opened, in.FailedLine()};
}

PlanOpenResult OpenPlanFile(const std::filesystem::path& path, Plan& plan) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        return {PlanOpenStatus::CannotOpen, 0};
    }
    return ReadPlanFile(*bytes, plan);
}
