#include "persist/FileLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>

namespace {

// A save of a plan takes milliseconds; one that holds the file longer is stuck or is
// writing something huge, and the user is better told than kept waiting.
constexpr auto kWaitForOtherSave = std::chrono::seconds(2);
constexpr auto kRetryInterval = std::chrono::milliseconds(10);

struct flock WholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

// 1 while another open file description holds a write lock on the file, 0 when none does,
// -1 on failure. A read lock is what conflicts with write locks alone.
int OtherSaveHolds(int fd) {
    struct flock probe = WholeFile(F_RDLCK);
    if (::fcntl(fd, F_OFD_GETLK, &probe) != 0)
        return -1;
    return probe.l_type == F_UNLCK ? 0 : 1;
}

} // namespace

LockWait WaitWhileBusy(const std::function<LockWait()>& attempt) {
    const auto giveUp = std::chrono::steady_clock::now() + kWaitForOtherSave;
    for (;;) {
        const LockWait result = attempt();
        if (result != LockWait::Busy || std::chrono::steady_clock::now() >= giveUp)
            return result;
        std::this_thread::sleep_for(kRetryInterval);
    }
}

bool SaveHoldsFile(int fd) {
    return OtherSaveHolds(fd) == 1;
}

LockWait WaitForOtherSaves(int fd) {
    return WaitWhileBusy([fd] {
        const int held = OtherSaveHolds(fd);
        return held < 0 ? LockWait::Failed : held == 0 ? LockWait::Free : LockWait::Busy;
    });
}

LockWait LockForSave(int fd) {
    const auto tryLock = [fd] {
        struct flock lock = WholeFile(F_WRLCK);
        return ::fcntl(fd, F_OFD_SETLK, &lock) == 0                   ? 0
               : errno == EAGAIN || errno == EACCES || errno == EINTR ? 1
                                                                      : -1;
    };
    return WaitWhileBusy([fd, tryLock] {
        int conflict = tryLock();
        if (conflict <= 0)
            return conflict == 0 ? LockWait::Free : LockWait::Failed;
        const int held = OtherSaveHolds(fd);
        if (held != 0)
            return held < 0 ? LockWait::Failed : LockWait::Busy;
        // Read locks alone are in the way, unless the save that held the file has only just
        // let it go: one more try tells them apart.
        conflict = tryLock();
        return conflict < 0    ? LockWait::Failed
               : conflict == 0 ? LockWait::Free
                               : LockWait::ReadLocksOnly;
    });
}
