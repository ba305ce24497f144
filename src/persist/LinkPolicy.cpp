#include "persist/LinkPolicy.h"

#include "persist/FileIo.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The same limit as the kernel's on links in one path.
constexpr int kMaxLinks = 40;

bool MayFollow(const struct stat& link, const struct stat& folder) {
    const bool sharedSticky = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !sharedSticky || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

} // namespace

std::error_code ResolveLinksForSave(const fs::path& path, fs::path& resolved) {
    resolved = path;
    for (int hops = 0;; ++hops) {
        struct stat link {};
        if (::lstat(resolved.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return {};
        if (hops == kMaxLinks)
            return std::make_error_code(std::errc::too_many_symbolic_link_levels);
        struct stat folder {};
        if (::stat(FolderOf(resolved).c_str(), &folder) != 0)
            return LastSystemError();
        if (!MayFollow(link, folder))
            return std::make_error_code(std::errc::permission_denied);
        std::error_code error;
        const fs::path target = fs::read_symlink(resolved, error);
        if (error)
            return error;
        resolved = target.is_absolute() ? target : FolderOf(resolved) / target;
    }
}
