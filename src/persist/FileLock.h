#pragma once

#include <functional>

// Saves and reads of one file meet through open file description locks on the whole file.
// A save holds a write lock, which only someone who may write the file can take. Reads take
// none: anyone who may read a file could hold a read lock on it for ever and so stop its
// owner's saves, so saves pay no heed to read locks and a reader checks instead that no save
// ran while it read (PlanFileOpen.h).
enum class LockWait {
    // No other save holds the file (for LockForSave: and this one now does).
    Free,
    // For LockForSave: only read locks stand in its way, and the save goes on without its
    // lock; SaveExclusion.h keeps it apart from other saves then.
    ReadLocksOnly,
    // Another save still held the file after the time a save may take.
    Busy,
    // The system refused; errno says why.
    Failed,
};

// Whether a save of another open file description holds the file open at fd now.
bool SaveHoldsFile(int fd);

// Waits while a save of another open file description holds the file open at fd, at most
// the time a save may take (2 s).
LockWait WaitForOtherSaves(int fd);

// Runs attempt until it gives anything but Busy, or the time a save may take is over.
LockWait WaitWhileBusy(const std::function<LockWait()>& attempt);

// Takes a save's write lock on the file open (for writing) at fd, waiting as
// WaitForOtherSaves does. The lock goes when fd is closed.
LockWait LockForSave(int fd);
