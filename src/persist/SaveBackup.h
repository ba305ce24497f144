#pragma once

#include "persist/PlanFileOpen.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>

// While a file is written in place, its old bytes wait in the state folder (StateFolder.h)
// as save-DEVICE-INODE, together with what the file was before the write (the path it was
// saved through, its device, inode, size and modification time) and the new bytes being
// written. A backup is written beside its final name and renamed to it, so one that exists
// is always complete.

std::error_code WriteSaveBackup(const std::filesystem::path& file, const struct stat& info,
                                std::string_view oldBytes, std::string_view newBytes);
void RemoveSaveBackup(const struct stat& info);

enum class RestoreStatus {
    // No backup of this file, or one that the file shows was not needed.
    NoBackup,
    // The file held what an interrupted write leaves; its old bytes were put back.
    Restored,
    // The file holds something else: it was changed after the crash. It is left alone and
    // the backup is kept, under another name so that later saves do not replace it.
    Unmatched,
    // The file holds an interrupted write but the user may not change it: both stay.
    Refused,
    // A backup that is not the user's alone (see StateFolder.h) was not looked at.
    Ignored,
    // Another save still held the file after the time a save may take: nothing was looked at.
    InProgress,
    // The state folder is there but cannot be used, and no backup of this file shows in it;
    // or its backup could not be kept apart from saves of it (SaveExclusion.h).
    Unchecked,
};

struct RestoreResult {
    RestoreStatus status = RestoreStatus::NoBackup;
    // Where the backup is now.
    std::filesystem::path backup;
    // For Refused, Ignored, InProgress and Unchecked: why.
    std::string reason;
};

// Looks for a backup of this file that a crash left and undoes the interrupted write it
// belongs to, but only when the file holds exactly what that write can leave. Never stops
// a plan from opening: a state folder that cannot be used simply holds no backup.
RestoreResult RestoreInterruptedSave(const std::filesystem::path& file);
// The same for a save, which holds the file open at fd (for writing, locked), holds its
// exclusion (SaveExclusion.h) and has checked that it may write it; info is its stat.
RestoreResult RestoreInterruptedSaveOf(int fd, const struct stat& info);

// Opens the plan file after its restore: a save that the restore found still holding it, for
// longer than a save may take, makes the file one that cannot be opened now, without a
// second wait.
PlanOpenResult OpenAfterRestore(const RestoreResult& restore, const std::filesystem::path& file,
                                Plan& plan);

// What to tell the user about the result when the plan opens; an empty text when there is
// nothing to say (an open that meets a save in progress says so itself).
struct RestoreNotice {
    std::string text;
    std::string detail;
};
RestoreNotice DescribeRestore(const RestoreResult& result, const std::string& path);
