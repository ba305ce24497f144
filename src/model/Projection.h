#pragma once

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "model/WithdrawalChooser.h"
#include "model/WorkingMemory.h"

#include <array>
#include <cstdint>

class ProjectionObserver;

enum class ProjectionStatus {
    Completed,
    // The working balances could not be allocated; the table is untouched.
    AllocationFailed,
    // A year's amounts left the signed 32-bit range; the table holds the years
    // before it.
    AmountOutOfRange,
};

struct ProjectionOutcome {
    ProjectionStatus status = ProjectionStatus::Completed;
    // With AmountOutOfRange: the year whose amounts left the range.
    std::int32_t stoppedYear = 0;
    // With Completed: false when the last row's expenses could not all be paid.
    bool lastRowCovered = true;

    bool operator==(const ProjectionOutcome& other) const = default;
};

// Whole points by which every income item's interest rates are moved in each row.
using ReturnOffsets = std::array<std::int32_t, ProjectionTable::kMaxRows>;

// The first projected year: the earliest year in which an income item starts with a positive
// initial amount, 0 when there is none.
std::int32_t FirstProjectionYear(const Plan& plan);

// The plan's income tax rate in the year: the rate after retirement applies from
// the retirement year on.
inline float TaxRateInYear(const Plan& plan, std::int32_t year) {
    return year < plan.retirementDate.GetYear() ? plan.taxRateBefore : plan.taxRateAfter;
}

// Projects the plan year by year into the table, which it clears first. Reads
// nothing but the plan and writes nothing but the table.
ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            WorkingMemory* memory = HeapWorkingMemory());

// The same with a given withdrawal choice.
ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table, WithdrawalChooser& chooser,
                            WorkingMemory* memory = HeapWorkingMemory());

// The same, telling the observer what it does in each year as it goes.
ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table, ProjectionObserver& observer,
                            WorkingMemory* memory = HeapWorkingMemory());

// The same with the returns moved row by row: in row r every income item's two interest rates
// are MovedRate(rate, returnOffsets[r]), as ReturnsMovedBy moves a whole plan's.
ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            const ReturnOffsets& returnOffsets);
ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            const ReturnOffsets& returnOffsets, ProjectionObserver& observer);
// The same, ending after the row of lastYear when the projection gets that far: a question
// about the years up to lastYear need not project the years after it.
ProjectionOutcome Calculate(const Plan& plan, ProjectionTable& table,
                            const ReturnOffsets& returnOffsets, std::int32_t lastYear);
