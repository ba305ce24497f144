#include "persist/InPlaceWriter.h"

#include "persist/FileIo.h"
#include "persist/SaveBackup.h"

#include <string>

std::error_code WriteFileInPlace(int fd, const std::filesystem::path& path, const struct stat& info,
                                 std::string_view bytes) {
    std::string old;
    if (const std::error_code error = ReadAll(fd, old))
        return error;
    if (const std::error_code error = WriteSaveBackup(path, info, old, bytes))
        return error;
    const std::error_code error = ReplaceContents(fd, bytes);
    if (error && ReplaceContents(fd, old))
        return error; // the backup stays, to be put back at the next open or save
    RemoveSaveBackup(info);
    return error;
}
