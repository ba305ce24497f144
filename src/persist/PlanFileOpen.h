#pragma once

#include "model/Plan.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

enum class PlanOpenStatus {
    Opened,
    // The file could not be opened or read; the plan is untouched.
    CannotOpen,
    // The first number is not the plan file signature; the plan is untouched.
    FormatError,
};

struct PlanOpenResult {
    PlanOpenStatus status = PlanOpenStatus::Opened;
    // For an opened file: the first line that could not be read, 0 when every
    // value was read.
    std::size_t damagedLine = 0;
    // For a file that could not be opened: the system's reason, or one of OpenFailure.
    std::error_code error;
    // For a file whose every value was read: the bytes after the last item (and the line
    // end after it), which were not read.
    std::uint64_t unreadBytes = 0;

    bool Damaged() const { return damagedLine != 0; }
};

// Why a file could not be opened where the system's reason alone would not tell the user.
enum class OpenFailure {
    NotRegularFile = 1,
    // A save of the file held it for longer than a save may take.
    SaveInProgress,
    // Every read of the file met a save writing it.
    ChangedWhileReading,
    // The plan does not end within kMaxPlanFileBytes.
    TooLarge,
};
std::error_code MakeOpenError(OpenFailure failure);

// Far beyond any real plan (a hundred thousand items take some 15 MB), and still a size
// that fits in memory everywhere.
inline constexpr std::uint64_t kMaxPlanFileBytes = std::uint64_t{64} << 20;

// Checks the signature, then resets the plan and reads the file into it. Reading stops at
// the end of the last item; whatever follows it is counted, not read. A save of the file
// that is running is waited for, and a read that a save ran into is done again, so the
// plan never mixes two versions of the file. A save backup (SaveBackup.h) opens as the plan
// it holds from before its save.
PlanOpenResult OpenPlanFile(const std::filesystem::path& path, Plan& plan);

// Whether the file at path is a plan file or a save backup, by its first line; false when it
// does not exist or cannot be read.
bool IsPlanFile(const std::filesystem::path& path);

// The same on the bytes of a file already in memory.
PlanOpenResult ReadPlanFile(std::string_view bytes, Plan& plan);
