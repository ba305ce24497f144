#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a plan file was at one moment: a file written since, by a save of this program or by
// anything else, differs in one of these.
struct PlanFileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t mtimeSeconds = 0;
    std::int64_t mtimeNanoseconds = 0;

    bool operator==(const PlanFileStamp& other) const = default;
};

// The contents of a recovery copy (RecoveryCopy.h): the plan's path (empty for a plan never
// saved), when the copy was made (seconds since the epoch), what the plan file was then, and
// the plan as a save writes it.
struct RecoveryCopyRecord {
    std::string planPath;
    std::int64_t madeSeconds = 0;
    PlanFileStamp file;
    std::string planBytes;
};

std::string EncodeRecoveryCopy(const RecoveryCopyRecord& record);

// The record that contents hold; nothing when they are not what EncodeRecoveryCopy wrote.
std::optional<RecoveryCopyRecord> DecodeRecoveryCopy(std::string_view contents);
