#include "persist/FileAttributes.h"

#include "persist/FileIo.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

// The attributes that describe who may do what with the file, or that the user set.
bool IsKeptAttribute(std::string_view name) {
    return name == "system.posix_acl_access" || name.starts_with("user.");
}

// The names of the file's extended attributes; none on a file system without them.
std::error_code AttributeNames(const std::filesystem::path& path, std::vector<std::string>& names) {
    names.clear();
    const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? std::error_code() : LastSystemError();
    std::string list(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::listxattr(path.c_str(), list.data(), list.size());
    if (got < 0)
        return LastSystemError();
    list.resize(static_cast<std::size_t>(got));
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        names.push_back(list.substr(start, end - start));
        start = end == std::string::npos ? list.size() : end + 1;
    }
    return {};
}

std::error_code CopyAttribute(const std::filesystem::path& from, const std::string& name, int fd) {
    const ssize_t size = ::getxattr(from.c_str(), name.c_str(), nullptr, 0);
    if (size < 0)
        return LastSystemError();
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::getxattr(from.c_str(), name.c_str(), value.data(), value.size());
    if (got < 0 ||
        ::fsetxattr(fd, name.c_str(), value.data(), static_cast<std::size_t>(got), 0) != 0)
        return LastSystemError();
    return {};
}

} // namespace

std::error_code CopyFileAttributes(const std::filesystem::path& from, const struct stat& info,
                                   int fd) {
    struct stat own {};
    if (::fstat(fd, &own) != 0)
        return LastSystemError();
    if ((own.st_uid != info.st_uid || own.st_gid != info.st_gid) &&
        ::fchown(fd, info.st_uid, info.st_gid) != 0)
        return LastSystemError();
    // A folder's default ACL gave the new file an access ACL of its own, which would widen
    // or narrow what the mode says; the file gets the ACL of the one it replaces, or none.
    if (::fremovexattr(fd, "system.posix_acl_access") != 0 && errno != ENODATA && errno != ENOTSUP)
        return LastSystemError();
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    if (::fchmod(fd, info.st_mode & 07777) != 0)
        return LastSystemError();
    std::vector<std::string> names;
    if (const std::error_code error = AttributeNames(from, names))
        return error;
    for (const std::string& name : names) {
        if (!IsKeptAttribute(name))
            continue;
        if (const std::error_code error = CopyAttribute(from, name, fd))
            return error;
    }
    return {};
}
