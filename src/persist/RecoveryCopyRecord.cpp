#include "persist/RecoveryCopyRecord.h"

#include "persist/RecordNumbers.h"

#include <array>

namespace {

constexpr std::string_view kMagic = "orbelan recovery copy 1\n";
constexpr std::size_t kNumbers = 8;

} // namespace

std::string EncodeRecoveryCopy(const RecoveryCopyRecord& record) {
    std::string contents(kMagic);
    const PlanFileStamp& file = record.file;
    for (const std::uint64_t number :
         {static_cast<std::uint64_t>(record.madeSeconds), std::uint64_t{file.exists}, file.device,
          file.inode, file.size, static_cast<std::uint64_t>(file.mtimeSeconds),
          static_cast<std::uint64_t>(file.mtimeNanoseconds),
          static_cast<std::uint64_t>(record.planBytes.size())})
        contents += std::to_string(number) + ' ';
    contents += '\n';
    contents += record.planPath;
    contents.push_back('\0');
    contents += record.planBytes;
    return contents;
}

std::optional<RecoveryCopyRecord> DecodeRecoveryCopy(std::string_view contents) {
    if (!contents.starts_with(kMagic))
        return std::nullopt;
    contents.remove_prefix(kMagic.size());
    std::array<std::uint64_t, kNumbers> numbers{};
    if (!ReadRecordNumbers(contents, numbers))
        return std::nullopt;
    const std::size_t pathEnd = contents.find('\0');
    if (!contents.starts_with('\n') || pathEnd == std::string_view::npos || numbers[1] > 1 ||
        contents.size() - pathEnd - 1 != numbers[7])
        return std::nullopt;
    RecoveryCopyRecord record;
    record.planPath = contents.substr(1, pathEnd - 1);
    record.madeSeconds = static_cast<std::int64_t>(numbers[0]);
    record.file = {numbers[1] == 1,
                   numbers[2],
                   numbers[3],
                   numbers[4],
                   static_cast<std::int64_t>(numbers[5]),
                   static_cast<std::int64_t>(numbers[6])};
    record.planBytes = contents.substr(pathEnd + 1);
    return record;
}
