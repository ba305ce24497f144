#pragma once

#include "persist/PlanFileOpen.h"
#include "persist/RecoveryCopyRecord.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The unsaved changes of a plan, kept in the state folder (StateFolder.h) a moment after each
// edit so that a crash does not lose them. One copy per plan, named after a hash of the
// plan's canonical path ("recovery-0123456789abcdef", "recovery-untitled" for a plan never
// saved), so that two plans keep two copies. A copy that the user chose not to recover waits
// under its own name ("...-declined") until the plan is saved, so that later edits do not
// replace it. Copies are the user's alone (mode 0600, never through a link) and are written
// as a save writes a new file: all of the copy or none of it.

// A plan this large is never kept: the reader opens no larger plan.
inline constexpr std::uint64_t kMaxRecoveryPlanBytes = kMaxPlanFileBytes;

enum class RecoverySlot { Current, Declined };

// Where the copy of the plan at planPath (empty for a plan never saved) is kept.
std::filesystem::path RecoveryCopyPath(const std::string& planPath, RecoverySlot slot);

// What the file is now; a file that cannot be looked at does not exist.
PlanFileStamp StampOf(const std::filesystem::path& file);

enum class RecoveryWriteStatus {
    Written,
    // The plan is above kMaxRecoveryPlanBytes: nothing was written.
    TooLarge,
    // The state folder cannot be made, or is not the user's alone.
    FolderUnusable,
    // Writing failed.
    Failed,
};

struct RecoveryWriteResult {
    RecoveryWriteStatus status = RecoveryWriteStatus::Written;
    // Why, in words for the user, when nothing was written.
    std::string problem;
};

// Keeps planBytes as the unsaved changes of the plan at planPath, as the plan file is now.
RecoveryWriteResult WriteRecoveryCopy(const std::string& planPath, std::string planBytes);

enum class RecoveryReadStatus {
    None,
    Found,
    // A copy is there but is not the user's alone, or is no copy this program wrote: it was not
    // read.
    Unusable,
};

struct RecoveryReadResult {
    RecoveryReadStatus status = RecoveryReadStatus::None;
    RecoverySlot slot = RecoverySlot::Current;
    // Where the copy is.
    std::filesystem::path path;
    RecoveryCopyRecord record;
    // For Unusable: why.
    std::string problem;
};

// The copy of the plan at planPath: the current one, else one the user declined. A state
// folder that cannot be used holds none.
RecoveryReadResult ReadRecoveryCopy(const std::string& planPath);

// Sets the current copy aside as declined, in place of any declined before; false when there
// was none to set aside.
bool DeclineRecoveryCopy(const std::string& planPath);

void RemoveRecoveryCopy(const std::string& planPath, RecoverySlot slot);
// Removes both copies of the plan: it was saved, or its changes were let go.
void RemoveRecoveryCopies(const std::string& planPath);

enum class RecoveryVerdict {
    // The plan file is as it was when the copy was made (or there is none): the copy is newer.
    Newer,
    // The plan file was written, replaced or removed since the copy was made.
    ChangedSince,
    // The plan file holds exactly what the copy holds: there is nothing to recover.
    SameAsFile,
};

RecoveryVerdict JudgeRecoveryCopy(const RecoveryCopyRecord& record);
