#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

// Writes bytes over the existing file at path, which keeps its inode and with it its links,
// owner, permissions and attributes. The old bytes are kept first, in memory and as a save
// backup; the new ones are written, the file is cut to their length and synced; on any
// failure the old bytes are put back. The backup goes once the file holds either version
// completely.
std::error_code WriteFileInPlace(const std::filesystem::path& path, std::string_view bytes);
