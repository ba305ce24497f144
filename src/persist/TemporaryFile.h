#pragma once

#include "persist/FileIo.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <system_error>

// A new file with a hidden name beside the file it will replace, so that the rename never
// crosses a file system: ".NAME.XXXXXX.tmp", NAME shortened when the whole would be longer
// than a file name may be. The name ends in ".tmp": a crash never leaves something that
// looks like a plan. Created with mode as open(2) creates a file, so that the umask or the
// folder's default ACL apply to it as they apply to any new file. Removed again unless it was
// committed. target names no link in any part (LinkPolicy.h): the folder is opened once,
// refusing any link put in the path since, and the file is made and renamed in that folder.
class TemporaryFile {
public:
    TemporaryFile(const std::filesystem::path& target, mode_t mode);
    // The same for the file name in the folder open at folder, which need not be reached by
    // a path without links: a private folder opened and checked once.
    TemporaryFile(int folder, const std::filesystem::path& name, mode_t mode);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    // Why the file could not be created; empty when it was.
    const std::error_code& CreationError() const { return m_creationError; }
    int Get() const { return m_fd.Get(); }

    // Writes the bytes, syncs them and renames the file over the target.
    std::error_code Commit(std::string_view bytes);

private:
    std::filesystem::path m_targetName;
    FileDescriptor m_folder;
    std::string m_name;
    FileDescriptor m_fd;
    std::error_code m_creationError;
    bool m_committed = false;
};

// Removes the temporary files of saves to target that a kill left behind: those of this
// user with exactly our name pattern, last changed before this process started. Called
// while this process holds the lock on target, so no save of it that is running can own
// one.
void RemoveStaleTemporaryFiles(const std::filesystem::path& target);
