#pragma once

#include <filesystem>
#include <string>

// Paths travel through the program as UTF-8 strings; these are the only places where they
// meet std::filesystem, so that non-ASCII names survive on every platform.

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// The absolute form of a path, as the recent-file list keeps it, without "." parts or doubled
// separators; ".." is kept, to mean what the kernel makes of it. An empty path stays empty.
std::string FullPath(const std::string& path);

// The last component of a path, extension included: what a document shows as its title.
std::string FileNameOf(const std::string& path);

// True when the file exists and carries a write permission for its owner; a missing file
// or one without that permission is saved under a new name instead.
bool IsExistingWritableFile(const std::string& path);
