#pragma once

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

// Whether this process may change the existing file at path (info is its stat): the rule
// the system applies to opening it for writing, and in addition
// - a file without any write bit is read-only for every user, root included;
// - in a sticky folder that everyone may write, a file that belongs neither to this user
//   nor to the folder's owner is never written (the kernel's protected_regular rule, kept
//   whether or not the system has it switched on): anyone may have put it there first, to
//   receive what this user saves under that name and keep it as theirs.
// Empty when it may.
std::error_code CheckWritePermission(const std::filesystem::path& path, const struct stat& info);
