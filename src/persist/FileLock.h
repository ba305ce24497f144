#pragma once

#include <system_error>

// Takes an open file description lock on the whole file open at fd: a write lock for a
// save, a read lock for a look that must not run into the middle of one. A lock that
// another save holds is waited for briefly; then the error is SaveFailure::SaveInProgress.
// The lock goes when fd is closed.
std::error_code LockWholeFile(int fd, bool forWriting);
