#pragma once

#include "model/Breakdown.h"
#include "model/ProjectionObserver.h"

#include <cstdint>
#include <optional>
#include <vector>

// Builds the year breakdowns from what the projection reports: it files the reported
// amounts and adds up each item's withdrawals, nothing more.
class BreakdownCollector final : public ProjectionObserver {
public:
    // Keeps every year, or only the given one.
    explicit BreakdownCollector(std::optional<std::int32_t> onlyYear = std::nullopt);

    void BeginYear(std::int32_t year) override;
    void OnIncomeCredit(const IncomeCredit& credit) override;
    void OnExpenseCharge(const ExpenseCharge& charge) override;
    void OnWithdrawal(const Withdrawal& withdrawal) override;
    void EndYear(const ProjectionRow& row, bool covered, std::int32_t unpaid) override;

    // The finished years, oldest first.
    std::vector<YearBreakdown> TakeYears();

private:
    std::optional<std::int32_t> m_onlyYear;
    bool m_keeping = false;
    YearBreakdown m_current;
    std::vector<YearBreakdown> m_years;
};
