#pragma once

#include <filesystem>
#include <optional>

// A write in place that a kill cut short, of another file than the one looked at: the file
// is a copy (or the renamed result of one) of a torn file, made before the put-back, which
// only ever happens to the file itself.
struct TornCopy {
    // The file that the save was writing, as it was saved.
    std::filesystem::path original;
    // Its backup, which holds the plan as it was before that save.
    std::filesystem::path backup;
};

// Looks through the user's save backups (SaveBackup.h) for one whose interrupted write the
// file at path holds exactly; nothing when there is none or it cannot be told.
std::optional<TornCopy> FindTornCopy(const std::filesystem::path& path);
