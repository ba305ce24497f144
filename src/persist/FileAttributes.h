#pragma once

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

// Gives the file open at fd what the file at from (whose stat is info) has: its owner and
// group, its permission bits, its POSIX access ACL and its user.* extended attributes.
// An error when any of them cannot be given, for instance an owner that this process may
// not hand a file to.
std::error_code CopyFileAttributes(const std::filesystem::path& from, const struct stat& info,
                                   int fd);
