#pragma once

#include "model/Plan.h"
#include "model/WorkingMemory.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Chooses the income item that a year's next withdrawal draws on: the lowest
// current interest rate among the items open for withdrawal that hold a
// non-zero balance, the earlier item on equal rates.
class WithdrawalChooser {
public:
    virtual ~WithdrawalChooser() = default;

    // Called once with the run's plan before the run changes anything; may throw
    // std::bad_alloc.
    virtual void Reserve(const Plan& plan, WorkingMemory* memory) = 0;
    // Every item's rate this year is moved by returnsMove points.
    virtual void BeginYear(std::int32_t year, std::int32_t returnsMove) = 0;
    // Index of the item to draw on, or -1 when no item qualifies.
    virtual std::int32_t FindWithdrawalItem(std::span<const std::int32_t> balances) = 0;
};

// Keeps the items open for withdrawal ordered by current rate, then list
// position. Each year only the items that opened or changed rate are sorted
// and merged into the order; withdrawals then walk it past emptied items. A
// year costs one pass over the items instead of one pass per withdrawal.
class OrderedWithdrawalChooser final : public WithdrawalChooser {
public:
    void Reserve(const Plan& plan, WorkingMemory* memory) override;
    void BeginYear(std::int32_t year, std::int32_t returnsMove) override;
    std::int32_t FindWithdrawalItem(std::span<const std::int32_t> balances) override;

private:
    // What the choice needs of an item, copied once per run so that the
    // yearly pass reads a few bytes per item rather than the whole item.
    struct Terms {
        std::int32_t openYear = 0;
        std::int32_t switchYear = 0;
        float rateBefore = 0.0f;
        float rateAfter = 0.0f;
    };
    struct Candidate {
        float rate = 0.0f;
        bool open = false;
        bool moved = false;
    };

    bool Precedes(std::int32_t a, std::int32_t b) const;

    WorkingVector<Terms> m_terms;
    WorkingVector<Candidate> m_candidates;
    WorkingVector<std::int32_t> m_order;
    WorkingVector<std::int32_t> m_moved;
    WorkingVector<std::int32_t> m_merged;
    std::size_t m_cursor = 0;
};

// Whether an item may ever be chosen at this rate: rates of 2^31 or more and
// NaN never are.
bool IsChoosableRate(float rate);

// A rate moved by whole points: the single-precision sum, so a plan whose rates were moved
// and a run that moves them year by year compute the same.
inline float MovedRate(float rate, std::int32_t points) {
    return rate + static_cast<float>(points);
}

// The item's interest rate in the given year, exact (not truncated).
float CurrentInterestRate(const IncomeItem& item, std::int32_t year);
