#pragma once

#include "model/Plan.h"

#include <cstddef>
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
    // For a file that could not be opened: the system's reason.
    std::error_code error;

    bool Damaged() const { return damagedLine != 0; }
};

// Checks the signature, then resets the plan and reads the file into it.
PlanOpenResult OpenPlanFile(const std::filesystem::path& path, Plan& plan);

// The same on the bytes of a file already in memory.
PlanOpenResult ReadPlanFile(std::string_view bytes, Plan& plan);
