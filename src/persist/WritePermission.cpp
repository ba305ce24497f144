#include "persist/WritePermission.h"

#include "persist/FileIo.h"
#include "persist/LinkPolicy.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

bool SquattedInSharedFolder(const std::filesystem::path& path, const struct stat& info) {
    struct stat folder {};
    const std::filesystem::path parent = path.has_parent_path() ? path.parent_path() : ".";
    if (::stat(parent.c_str(), &folder) != 0)
        return false;
    return IsSharedStickyFolder(folder) && info.st_uid != ::geteuid() &&
           info.st_uid != folder.st_uid;
}

} // namespace

std::error_code CheckWritePermission(const std::filesystem::path& path, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || SquattedInSharedFolder(path, info))
        return std::make_error_code(std::errc::permission_denied);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return LastSystemError();
    return {};
}
