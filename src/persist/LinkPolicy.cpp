#include "persist/LinkPolicy.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <linux/openat2.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The same limit as the kernel's on links in one path.
constexpr int kMaxLinks = 40;

constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The parts of a path still to walk, the next one last.
using Pending = std::vector<std::string>;

void PushParts(const fs::path& path, Pending& pending) {
    std::vector<std::string> parts;
    for (const fs::path& part : path.relative_path())
        parts.push_back(part.string());
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

// Whether this user could make a folder in the folder without privileges: root, which may
// write anywhere, must not fill another user's home with folders that user cannot change.
bool MayCreateIn(const struct stat& folder) {
    return folder.st_uid == ::geteuid() || (folder.st_mode & S_IWOTH) != 0 ||
           ((folder.st_mode & S_IWGRP) != 0 && folder.st_gid == ::getegid());
}

class Walk {
public:
    // Where a path starts: the root, or the current folder for a relative path.
    std::error_code Start(const fs::path& path, WalkedFolder& at) {
        at.fd = FileDescriptor(::open(path.is_absolute() ? "/" : ".", kFolderFlags));
        if (!at.fd.IsOpen())
            return LastSystemError();
        std::error_code error;
        at.path = path.is_absolute() ? fs::path("/") : fs::current_path(error);
        return error;
    }

    // The link's target, when the rule allows following it.
    std::error_code ReadLink(const WalkedFolder& at, const std::string& name,
                             const struct stat& link, fs::path& target) {
        if (++m_links > kMaxLinks)
            return std::make_error_code(std::errc::too_many_symbolic_link_levels);
        struct stat folder {};
        if (::fstat(at.fd.Get(), &folder) != 0)
            return LastSystemError();
        if (!MayFollowLink(link, folder))
            return std::make_error_code(std::errc::permission_denied);
        std::string text(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(at.fd.Get(), name.c_str(), text.data(), text.size());
        if (length < 0)
            return LastSystemError();
        text.resize(static_cast<std::size_t>(length));
        target = text;
        return {};
    }

    std::error_code ToFolder(const fs::path& folder, WalkedFolder& at,
                             std::optional<mode_t> createMode) {
        if (const std::error_code error = Start(folder, at))
            return error;
        Pending pending;
        PushParts(folder, pending);
        while (!pending.empty()) {
            const std::string name = std::move(pending.back());
            pending.pop_back();
            if (name.empty() || name == ".")
                continue;
            if (const std::error_code error = Step(at, name, pending, createMode))
                return error;
        }
        return {};
    }

private:
    std::error_code Step(WalkedFolder& at, const std::string& name, Pending& pending,
                         std::optional<mode_t> createMode) {
        FileDescriptor next(::openat(at.fd.Get(), name.c_str(), kFolderFlags));
        if (next.IsOpen()) {
            at.fd = std::move(next);
            at.path = name == ".." ? at.path.parent_path() : at.path / name;
            return {};
        }
        const std::error_code failure = LastSystemError();
        struct stat link {};
        if (::fstatat(at.fd.Get(), name.c_str(), &link, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(link.st_mode)) {
            fs::path target;
            if (const std::error_code error = ReadLink(at, name, link, target))
                return error;
            if (target.is_absolute())
                if (const std::error_code error = Start(target, at))
                    return error;
            PushParts(target, pending);
            return {};
        }
        if (failure != std::errc::no_such_file_or_directory || !createMode)
            return failure;
        if (const std::error_code error = CreateFolder(at, name, *createMode))
            return error;
        pending.push_back(name);
        return {};
    }

    static std::error_code CreateFolder(const WalkedFolder& at, const std::string& name,
                                        mode_t mode) {
        struct stat folder {};
        if (::fstat(at.fd.Get(), &folder) != 0)
            return LastSystemError();
        if (!MayCreateIn(folder))
            return std::make_error_code(std::errc::permission_denied);
        if (::mkdirat(at.fd.Get(), name.c_str(), mode) != 0 && errno != EEXIST)
            return LastSystemError();
        return {};
    }

    int m_links = 0;
};

} // namespace

bool IsSharedStickyFolder(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
}

bool MayFollowLink(const struct stat& link, const struct stat& folder) {
    return !IsSharedStickyFolder(folder) || link.st_uid == ::geteuid() ||
           link.st_uid == folder.st_uid;
}

std::error_code WalkToFolder(const fs::path& folder, WalkedFolder& walked,
                             std::optional<mode_t> createMode) {
    return Walk().ToFolder(folder, walked, createMode);
}

std::error_code ResolveLinksForSave(const fs::path& path, fs::path& resolved) {
    Walk walk;
    fs::path current = path;
    for (;;) {
        const std::string name = current.filename().string();
        WalkedFolder folder;
        // A path that ends in a folder's name is walked whole; writing to it fails later.
        if (name.empty() || name == "." || name == "..") {
            if (const std::error_code error = walk.ToFolder(current, folder, std::nullopt))
                return error;
            resolved = folder.path;
            return {};
        }
        const fs::path parent = current.has_parent_path() ? current.parent_path() : fs::path(".");
        if (const std::error_code error = walk.ToFolder(parent, folder, std::nullopt))
            return error;
        struct stat link {};
        if (::fstatat(folder.fd.Get(), name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISLNK(link.st_mode)) {
            resolved = folder.path / name;
            return {};
        }
        fs::path target;
        if (const std::error_code error = walk.ReadLink(folder, name, link, target))
            return error;
        current = target.is_absolute() ? target : folder.path / target;
    }
}

int OpenWithoutLinks(const fs::path& path, int flags) {
    open_how how{};
    how.flags = static_cast<std::uint64_t>(flags);
    how.resolve = RESOLVE_NO_SYMLINKS;
    const long fd = ::syscall(SYS_openat2, AT_FDCWD, path.c_str(), &how, sizeof how);
    // Older kernels, and sandboxes that do not know the call, refuse it as a whole.
    if (fd >= 0 || (errno != ENOSYS && errno != EPERM))
        return static_cast<int>(fd);
    return ::open(path.c_str(), flags | O_NOFOLLOW);
}
