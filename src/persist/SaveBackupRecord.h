#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The contents of a save backup (SaveBackup.h): what a file was before a write in place
// (its device, inode and modification time), the path it was saved through, and the old
// and the new bytes of that write.
struct SaveBackupRecord {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t mtimeSeconds = 0;
    std::int64_t mtimeNanoseconds = 0;
    std::string path;
    std::string_view oldBytes;
    std::string_view newBytes;
};

// Whether contents start as a save backup does.
bool IsSaveBackup(std::string_view contents);

std::string EncodeSaveBackup(const SaveBackupRecord& record);

// The record that contents hold; nothing when they are not one that EncodeSaveBackup wrote.
// The bytes of the record point into contents.
std::optional<SaveBackupRecord> DecodeSaveBackup(std::string_view contents);
