#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What the window says about the copies of unsaved changes that it keeps for a crash. NAME is
// a plan's name as the title shows it.

// The local time of day, "09:41", of a moment in seconds since the epoch.
std::string ClockTime(std::int64_t seconds);

// "Recover the unsaved changes to NAME from 09:41?"
std::string RecoverQuestion(std::string_view name, std::string_view time);
inline constexpr std::string_view kRecoverDetail =
    "The plan file itself stays as it is until you save.";

// The same question about a plan file that was written or replaced after the copy was made.
std::string ChangedOnDiskQuestion(std::string_view name, std::string_view time);
inline constexpr std::string_view kChangedOnDiskDetail =
    "Recovering shows the unsaved changes in place of the plan on disk, which stays as it is "
    "until you save. Save As keeps both.";

// Changes the user chose not to recover; untitled for a plan never saved.
std::string KeptChangesMessage(std::string_view name, bool untitled);

// A copy that was not offered because it cannot be trusted.
std::string UnusableCopyMessage(std::string_view name);

// Why no copy of the unsaved changes is being kept; said once.
enum class NotKeptReason { FolderUnusable, TooLarge, WriteFailed };
std::string NotKeptMessage(NotKeptReason reason);
