#include "persist/InPlaceWriter.h"

#include "persist/FileIo.h"
#include "persist/SaveBackup.h"

#include <string>

namespace {

std::function<void()> g_beforeWriteForTesting;

} // namespace

std::error_code WriteFileInPlace(int fd, const std::filesystem::path& path, const struct stat& info,
                                 std::string_view bytes) {
    std::string old;
    if (const std::error_code error = ReadAll(fd, old))
        return error;
    if (const std::error_code error = WriteSaveBackup(path, info, old, bytes))
        return error;
    if (g_beforeWriteForTesting)
        g_beforeWriteForTesting();
    const std::error_code error = ReplaceContents(fd, bytes);
    if (error && ReplaceContents(fd, old))
        return error; // the backup stays, to be put back at the next open or save
    RemoveSaveBackup(info);
    return error;
}

void SetBeforeWriteInPlaceHookForTesting(std::function<void()> hook) {
    g_beforeWriteForTesting = std::move(hook);
}
