#pragma once

#include "persist/FileIo.h"

#include <cerrno>
#include <filesystem>
#include <string>

// $XDG_STATE_HOME/orbelan/ (~/.local/state/orbelan/ when that is not set): where saves in
// place keep the old bytes of a file until the new ones are complete. Only an absolute
// XDG_STATE_HOME or HOME counts, and never the root folder as HOME: anything else would put
// the folder wherever the program happens to start. Empty when neither names one.
std::filesystem::path SaveBackupFolder();
// The folder as the user is told of it, saying why there is none when there is none.
std::string SaveBackupFolderText();

// The folder open, or why it may not be used. Only a real folder (never a link) that the
// current user owns with mode 0700 is used: a folder that anyone else may write could hold
// a backup planted to be restored over the user's plans.
struct StateFolder {
    FileDescriptor fd{-1};
    // Empty when fd is open; otherwise why not, in words for the user.
    std::string problem;
    // The system's reason when there is one (0 for a folder that is not the user's alone).
    int systemError = 0;
    // The folder does not exist, which is no problem at all when looking for a backup.
    bool Missing() const { return systemError == ENOENT; }
};

// Opens the folder to look for backups; never creates it.
StateFolder OpenStateFolder();
// Opens the folder to keep a backup in, creating it (and its parents, mode 0700) when
// missing, but only where the user could without privileges: root with another user's HOME
// (as under sudo -E) leaves that home alone. A home that does not exist (/nonexistent, the
// home of system users) is never made. Links on the way are followed as LinkPolicy.h
// allows; an existing folder is never changed, only refused.
StateFolder OpenStateFolderForWriting();

// Why a file in the folder (fd open on it, O_NOFOLLOW) may not be trusted as the user's
// own: empty when it is a regular file owned by the current user with mode 0600.
std::string PrivateFileProblem(int fd);
