#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>

// Writes bytes over the existing file open (read and write, and locked by this save) at
// fd, which keeps its inode and with it its links, owner, permissions and attributes; info
// is its stat and path the name it was opened by. The old bytes are kept first, in memory
// and as a save backup together with the new ones; the new ones are written, the file is
// cut to their length and synced; on any failure the old bytes are put back. The backup
// goes once the file holds either version completely.
std::error_code WriteFileInPlace(int fd, const std::filesystem::path& path, const struct stat& info,
                                 std::string_view bytes);

// Runs hook once the old bytes are kept and before the new ones are written, so that a test
// can meet a save there.
void SetBeforeWriteInPlaceHookForTesting(std::function<void()> hook);
