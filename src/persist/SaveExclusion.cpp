#include "persist/SaveExclusion.h"

#include "persist/StableHash.h"
#include "persist/StateFolder.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string DeviceAndInode(const struct stat& info) {
    return std::to_string(info.st_dev) + "-" + std::to_string(info.st_ino);
}

// Locks the file open at fd. 1 while another holder has it, -1 on failure.
int TryLock(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return 0;
    return errno == EAGAIN || errno == EACCES || errno == EINTR ? 1 : -1;
}

} // namespace

SaveExclusion::~SaveExclusion() {
    // Removed while still locked: whoever opened it meanwhile finds, once it holds the lock,
    // that the name no longer gives its file, and makes a new one.
    for (auto held = m_held.rbegin(); held != m_held.rend(); ++held) {
        ::unlinkat(m_folder.Get(), held->first.c_str(), 0);
        held->second.Close();
    }
}

LockWait SaveExclusion::ForSave(const fs::path& path, const struct stat& info, bool holdsFileLock) {
    StateFolder folder = holdsFileLock ? OpenStateFolder() : OpenStateFolderForWriting();
    if (holdsFileLock && folder.Missing())
        return LockWait::Free;
    if (!folder.fd.IsOpen()) {
        m_problem = folder.problem;
        return LockWait::Failed;
    }
    m_folder = std::move(folder.fd);
    struct stat parent {};
    const fs::path parentPath = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (::stat(parentPath.c_str(), &parent) != 0) {
        m_problem = parentPath.string() + ": " + std::strerror(errno);
        return LockWait::Failed;
    }
    // A file name is up to 255 bytes, too long to go into another one whole. Two names that
    // share a hash only make their saves wait for each other.
    const LockWait byName = Take("name-" + DeviceAndInode(parent) + "-" +
                                 StableHash(path.filename().native()) + ".lock");
    return byName != LockWait::Free ? byName : Take("file-" + DeviceAndInode(info) + ".lock");
}

LockWait SaveExclusion::ForRestore(int folder, const struct stat& info) {
    m_folder = FileDescriptor(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!m_folder.IsOpen())
        return LockWait::Failed;
    return Take("file-" + DeviceAndInode(info) + ".lock");
}

LockWait SaveExclusion::Take(const std::string& name) {
    FileDescriptor held(-1);
    const LockWait result = WaitWhileBusy([&] {
        held =
            FileDescriptor(::openat(m_folder.Get(), name.c_str(),
                                    O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
        struct stat opened {};
        if (!held.IsOpen() || ::fstat(held.Get(), &opened) != 0)
            return LockWait::Failed;
        if (!S_ISREG(opened.st_mode)) {
            errno = EEXIST;
            return LockWait::Failed;
        }
        const int conflict = TryLock(held.Get());
        if (conflict != 0)
            return conflict < 0 ? LockWait::Failed : LockWait::Busy;
        struct stat named {};
        // Its last holder removed it before this one had the lock: the name is free again.
        if (::fstatat(m_folder.Get(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
            return LockWait::Busy;
        return LockWait::Free;
    });
    if (result == LockWait::Free)
        m_held.emplace_back(name, std::move(held));
    else if (result == LockWait::Failed)
        m_problem = (SaveBackupFolder() / name).string() + ": " + std::strerror(errno);
    return result;
}
