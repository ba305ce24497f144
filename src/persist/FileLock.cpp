#include "persist/FileLock.h"

#include "persist/FileIo.h"
#include "persist/SaveErrors.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>

namespace {

// A save of a plan takes milliseconds; one that holds the file longer is stuck or is
// writing something huge, and the user is better told than kept waiting.
constexpr auto kWaitForOtherSave = std::chrono::seconds(2);
constexpr auto kRetryInterval = std::chrono::milliseconds(10);

} // namespace

std::error_code LockWholeFile(int fd, bool forWriting) {
    struct flock lock {};
    lock.l_type = forWriting ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    const auto giveUp = std::chrono::steady_clock::now() + kWaitForOtherSave;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
            return {};
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return LastSystemError();
        if (std::chrono::steady_clock::now() >= giveUp)
            return MakeSaveError(SaveFailure::SaveInProgress);
        std::this_thread::sleep_for(kRetryInterval);
    }
}
