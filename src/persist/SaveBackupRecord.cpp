#include "persist/SaveBackupRecord.h"

#include "persist/RecordNumbers.h"

namespace {

constexpr std::string_view kMagic = "orbelan save backup 2\n";

} // namespace

bool IsSaveBackup(std::string_view contents) {
    return contents.starts_with(kMagic);
}

std::string EncodeSaveBackup(const SaveBackupRecord& record) {
    std::string contents(kMagic);
    for (const std::uint64_t number :
         {record.device, record.inode, static_cast<std::uint64_t>(record.mtimeSeconds),
          static_cast<std::uint64_t>(record.mtimeNanoseconds),
          static_cast<std::uint64_t>(record.oldBytes.size()),
          static_cast<std::uint64_t>(record.newBytes.size())})
        contents += std::to_string(number) + ' ';
    contents += '\n';
    contents += record.path;
    contents.push_back('\0');
    contents.append(record.oldBytes);
    contents.append(record.newBytes);
    return contents;
}

std::optional<SaveBackupRecord> DecodeSaveBackup(std::string_view contents) {
    if (!IsSaveBackup(contents))
        return std::nullopt;
    contents.remove_prefix(kMagic.size());
    std::uint64_t numbers[6] = {};
    if (!ReadRecordNumbers(contents, numbers))
        return std::nullopt;
    const std::size_t pathEnd = contents.find('\0');
    if (!contents.starts_with('\n') || pathEnd == std::string_view::npos)
        return std::nullopt;
    std::string path(contents.substr(1, pathEnd - 1));
    contents.remove_prefix(pathEnd + 1);
    const std::uint64_t oldSize = numbers[4];
    if (oldSize > contents.size() || contents.size() - oldSize != numbers[5])
        return std::nullopt;
    return SaveBackupRecord{numbers[0],
                            numbers[1],
                            static_cast<std::int64_t>(numbers[2]),
                            static_cast<std::int64_t>(numbers[3]),
                            std::move(path),
                            contents.substr(0, oldSize),
                            contents.substr(oldSize)};
}
