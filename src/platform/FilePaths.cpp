#include "platform/FilePaths.h"

#include <system_error>

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::string FullPath(const std::string& path) {
    if (path.empty())
        return path;
    std::error_code error;
    const fs::path absolute = fs::absolute(PathFromUtf8(path), error);
    if (error)
        return path;
    // "." and doubled separators go; ".." stays, for behind a link only the kernel knows
    // which folder it leads to.
    fs::path full = absolute.root_path();
    for (const fs::path& part : absolute.relative_path())
        if (!part.empty() && part != ".")
            full /= part;
    return Utf8FromPath(full);
}

std::string FileNameOf(const std::string& path) {
    return Utf8FromPath(PathFromUtf8(path).filename());
}

bool IsExistingWritableFile(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code error;
    const fs::file_status status = fs::status(PathFromUtf8(path), error);
    if (error || !fs::exists(status))
        return false;
    return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}
