#pragma once

#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <system_error>

// While a file is written in place, its old bytes wait in $XDG_STATE_HOME/orbelan/
// (~/.local/state/orbelan/ when that is not set), under a name made of the file's device and
// inode numbers and together with the path they were saved through. A backup is written
// beside its final name and renamed to it, so one that exists is always complete.

std::filesystem::path SaveBackupFolder();

std::error_code WriteSaveBackup(const std::filesystem::path& file, const struct stat& info,
                                std::string_view bytes);
void RemoveSaveBackup(const struct stat& info);

struct RestoreResult {
    bool restored = false;
    std::error_code error;
};

// Undoes a write in place of this file that a crash cut short: when a backup of the file is
// left and the path it records still names the same file, the old bytes are put back and
// the backup is removed. A backup whose path now names another file (or none) is stale and
// is removed without touching anything.
RestoreResult RestoreInterruptedSave(const std::filesystem::path& file);
