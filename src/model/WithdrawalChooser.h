#pragma once

#include "Plan.h"

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <span>

// Chooses the income item that a year's next withdrawal draws on: the lowest
// current interest rate among the items open for withdrawal that hold a
// non-zero balance, the earlier item on equal rates.
class WithdrawalChooser {
public:
    virtual ~WithdrawalChooser() = default;

    // Called once before a run changes anything; may throw std::bad_alloc.
    virtual void Reserve(std::size_t itemCount, std::pmr::memory_resource* memory) = 0;
    virtual void BeginYear(const Plan& plan, std::int32_t year) = 0;
    // Index of the item to draw on, or -1 when no item qualifies.
    virtual std::int32_t FindWithdrawalItem(std::span<const std::int32_t> balances) = 0;
};

// Sorts the items open for withdrawal by their current rate once per year (and
// only when a rate or an opening changed), then walks that order past emptied
// items, so a year's withdrawals cost one pass over the items instead of one
// pass per withdrawal.
class OrderedWithdrawalChooser final : public WithdrawalChooser {
public:
    void Reserve(std::size_t itemCount, std::pmr::memory_resource* memory) override;
    void BeginYear(const Plan& plan, std::int32_t year) override;
    std::int32_t FindWithdrawalItem(std::span<const std::int32_t> balances) override;

private:
    struct Candidate {
        float rate = 0.0f;
        bool open = false;
    };

    std::pmr::vector<Candidate> m_candidates;
    std::pmr::vector<std::int32_t> m_order;
    std::size_t m_cursor = 0;
    bool m_orderBuilt = false;
};

// Whether an item may ever be chosen at this rate: rates of 2^31 or more and
// NaN never are.
bool IsChoosableRate(float rate);

// The item's interest rate in the given year, exact (not truncated).
float CurrentInterestRate(const IncomeItem& item, std::int32_t year);
