#pragma once

#include <filesystem>
#include <string_view>

// Replaces the file at target with bytes, or leaves it exactly as it was.
// The bytes go to a temporary file in the same folder, which is flushed to
// disk and only then renamed over the target; a symbolic link stays a link
// (the file it points to is replaced) and the file keeps its permission
// bits. False on any failure, with no temporary file left behind.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);
