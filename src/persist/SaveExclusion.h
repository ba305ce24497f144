#pragma once

#include "persist/FileIo.h"
#include "persist/FileLock.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

// Saves, the restore that every open runs and the clean-up of backups keep out of each
// other's way through lock files in the user's own state folder (StateFolder.h). The lock on
// the plan itself (FileLock.h) gives way to read locks, which anyone who may read the plan
// can hold; nobody else may open a file in that folder.
//
// A save locks two files, in this order: one named after the folder that holds the plan and
// the plan's name, then one named after the plan's device and inode. The inode alone would
// not do: a save through a temporary file renames a new inode over the name, so a save that
// opened the name after that rename would lock another inode than an earlier save still at
// work there. The name alone would not do either: a plan with several hard links is written
// in place through any of them, and its backup is kept under its inode. A restore touches
// the backup of one inode only and locks that alone. Taken in this order, and after the lock
// on the plan, no two holders ever wait on each other in a circle.
//
// The lock files go when they are let go; one that a kill left is simply taken again.
class SaveExclusion {
public:
    SaveExclusion() = default;
    SaveExclusion(const SaveExclusion&) = delete;
    SaveExclusion& operator=(const SaveExclusion&) = delete;
    ~SaveExclusion();

    // For a save of the file at path (no links in it; info its stat). A save that holds the
    // file's own lock takes nothing when the state folder is missing: every save without
    // that lock makes the folder, takes the exclusion and then gives way to a save holding
    // it. Failed when the folder cannot be used: Problem() says why.
    LockWait ForSave(const std::filesystem::path& path, const struct stat& info,
                     bool holdsFileLock);
    // For a restore of the file whose stat is info, in the state folder open at folder.
    LockWait ForRestore(int folder, const struct stat& info);

    const std::string& Problem() const { return m_problem; }

private:
    LockWait Take(const std::string& name);

    FileDescriptor m_folder{-1};
    std::vector<std::pair<std::string, FileDescriptor>> m_held;
    std::string m_problem;
};
