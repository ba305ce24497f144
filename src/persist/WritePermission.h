#pragma once

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

// Whether this process may change the existing file at path (info is its stat): the rule
// the system applies to opening it for writing, and in addition a file without any write
// bit is read-only for every user, root included. Empty when it may.
std::error_code CheckWritePermission(const std::filesystem::path& path, const struct stat& info);
