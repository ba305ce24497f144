#include "persist/WritePermission.h"

#include "persist/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

std::error_code CheckWritePermission(const std::filesystem::path& path, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return std::make_error_code(std::errc::permission_denied);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return LastSystemError();
    return {};
}
