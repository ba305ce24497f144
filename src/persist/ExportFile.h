#pragma once

#include <string>
#include <string_view>

class UiServices;

// Writes an export with the same safe writing as a save: the file is replaced only once
// the new bytes are completely on disk. On failure the user is told "Error saving file!"
// with the path and the reason, as a save tells it, and any existing file stays as it was;
// false then.
bool WriteExportFile(const std::string& path, std::string_view bytes, UiServices& ui);
