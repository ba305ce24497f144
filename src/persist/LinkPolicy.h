#pragma once

#include "persist/FileIo.h"

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <sys/types.h>
#include <system_error>

// Paths are walked here as the kernel walks them, one part at a time: `..` is the parent of
// the folder reached so far, behind any link, never the path's text cut short. A symbolic
// link, in any part of the path, is followed only where the kernel's protected_symlinks rule
// would follow it, whether or not the system has that rule switched on: a link in a sticky
// folder that everyone may write is followed only when it belongs to this user or to the
// folder's owner. Anyone could have planted it there to send this user's writes (or the
// files and folders they create) to a place of their choosing.

// A sticky folder that everyone may write, such as /tmp (its stat).
bool IsSharedStickyFolder(const struct stat& folder);

// Whether the link (its lstat) that lies in the folder (its stat) may be followed.
bool MayFollowLink(const struct stat& link, const struct stat& folder);

// A folder reached by a walk: open (O_PATH) and named by its path without links or `..`.
struct WalkedFolder {
    FileDescriptor fd{-1};
    std::filesystem::path path;
};

// Walks to the folder. With createMode, a missing folder on the way is made with that mode,
// but only inside a folder that this user could write without privileges: root never makes
// folders in another user's home.
std::error_code WalkToFolder(const std::filesystem::path& folder, WalkedFolder& walked,
                             std::optional<mode_t> createMode = std::nullopt);

// The file that a save to path writes, named without links or `..`: links are followed (as
// WalkToFolder does, the last part included) so that the file they name is replaced and the
// link stays.
std::error_code ResolveLinksForSave(const std::filesystem::path& path,
                                    std::filesystem::path& resolved);

// Opens path, whose parts are no links (as ResolveLinksForSave gives it), as open(2) would,
// but fails with ELOOP when a link has been put in place of any part since: one planted in a
// shared folder between the walk and the write is never followed. Where the kernel cannot
// check every part (before Linux 5.6), the last one is checked.
int OpenWithoutLinks(const std::filesystem::path& path, int flags);
