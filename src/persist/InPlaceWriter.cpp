#include "persist/InPlaceWriter.h"

#include "persist/FileIo.h"
#include "persist/SaveBackup.h"

#include <fcntl.h>
#include <string>
#include <sys/stat.h>

std::error_code WriteFileInPlace(const std::filesystem::path& path, std::string_view bytes) {
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0)
        return LastSystemError();
    std::string old;
    if (const std::error_code error = ReadAll(fd.Get(), old))
        return error;
    if (const std::error_code error = WriteSaveBackup(path, info, old))
        return error;
    const std::error_code error = ReplaceContents(fd.Get(), bytes);
    if (error && ReplaceContents(fd.Get(), old))
        return error; // the backup stays, to be put back at the next open or save
    RemoveSaveBackup(info);
    return error;
}
