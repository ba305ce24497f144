#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

// Texts that the program and the command-line tool show to the user.
inline constexpr std::string_view kErrorOpeningFile = "Error opening file!";
inline constexpr std::string_view kFileFormatError = "File format error!";
inline constexpr std::string_view kErrorSavingFile = "Error saving file!";
inline constexpr std::string_view kAllocationError =
    "A memory allocation error ocurred.\nCan't do calculation.";

// A plan whose last save was cut short by a crash, put back as it was before that save.
inline constexpr std::string_view kInterruptedSaveUndone =
    "The last save of this plan was interrupted. The plan has been put back as it was "
    "before that save.";

// A backup of the plan from before an interrupted save, left alone: the plan has been
// written since, or the user may not change it, or the backup is not the user's alone.
// The informative text names the backup.
inline constexpr std::string_view kUnmatchedSaveBackup =
    "A save of this plan was interrupted, but the plan has been changed since, so it has been "
    "left as it is. The plan as it was before that save is kept in the file named below: "
    "open that file with Orbelan to see it, and save it under a name of your choice to keep "
    "it.";
inline constexpr std::string_view kInterruptedSaveNotUndone =
    "The last save of this plan was interrupted, and the plan cannot be put back as it was "
    "before that save. That version is kept in the file named below: open that file with "
    "Orbelan to see it, and save it under a name of your choice to keep it.";
inline constexpr std::string_view kSaveBackupIgnored =
    "A backup of this plan from an interrupted save was ignored, because it is not a file "
    "that only you may use.";

// The informative text of a file that could not be opened or saved: its path and the
// system's reason.
std::string FileErrorDetail(const std::string& path, const std::error_code& error);

// A plan file that opened although some of its values could not be read.
std::string DamagedFileMessage(std::size_t line);

// A plan file that opened whole, followed by bytes that were not read.
std::string UnreadBytesMessage(std::uint64_t bytes);
