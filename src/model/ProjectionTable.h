#pragma once

#include <array>
#include <cstdint>

// The results of one projected year.
struct ProjectionRow {
    std::int32_t availableAssets = 0;
    std::int32_t totalAssets = 0;
    std::int32_t income = 0;
    std::int32_t withdrawals = 0;

    bool operator==(const ProjectionRow& other) const = default;
};

// The results of the last projection; row r holds the year firstYear + r.
struct ProjectionTable {
    static constexpr std::int32_t kMaxRows = 100;

    std::array<ProjectionRow, kMaxRows> rows{};
    std::int32_t firstYear = 0;
    std::int32_t rowCount = 0;

    bool operator==(const ProjectionTable& other) const = default;
};
