#include "model/BreakdownCollector.h"

#include <utility>

namespace {

std::int32_t Index(std::size_t item) {
    return static_cast<std::int32_t>(item);
}

} // namespace

BreakdownCollector::BreakdownCollector(std::optional<std::int32_t> onlyYear)
    : m_onlyYear(onlyYear) {}

void BreakdownCollector::BeginYear(std::int32_t year) {
    m_keeping = !m_onlyYear || *m_onlyYear == year;
    m_current.year = year;
    m_current.incomes.clear();
    m_current.expenses.clear();
    m_current.draws.clear();
    // Every year lists every item: size the lists once instead of growing them.
    if (m_keeping && !m_years.empty()) {
        m_current.incomes.reserve(m_years.back().incomes.size());
        m_current.expenses.reserve(m_years.back().expenses.size());
    }
}

void BreakdownCollector::OnIncomeCredit(const IncomeCredit& credit) {
    if (!m_keeping)
        return;
    m_current.incomes.push_back({.item = Index(credit.item),
                                 .opening = credit.opening,
                                 .initial = credit.initial,
                                 .annual = credit.annual,
                                 .interestRate = credit.interestRate,
                                 .interest = credit.interest,
                                 .tax = std::int64_t{credit.beforeTax} - credit.credited,
                                 .credited = credit.credited,
                                 .withdrawn = 0,
                                 .closing = credit.balance});
}

void BreakdownCollector::OnExpenseCharge(const ExpenseCharge& charge) {
    if (m_keeping) {
        m_current.expenses.push_back(
            {.item = Index(charge.item), .initial = charge.initial, .annual = charge.annual});
    }
}

void BreakdownCollector::OnWithdrawal(const Withdrawal& withdrawal) {
    if (!m_keeping)
        return;
    m_current.draws.push_back({.item = Index(withdrawal.item),
                               .taxRate = withdrawal.taxRate,
                               .gross = withdrawal.gross,
                               .taken = withdrawal.taken,
                               .received = withdrawal.received});
    IncomeBreakdown& income = m_current.incomes[withdrawal.item];
    // What a year takes from one item never exceeds what the item held, so the sum fits.
    income.withdrawn += withdrawal.taken;
    income.closing = withdrawal.balance;
}

void BreakdownCollector::EndYear(const ProjectionRow& row, bool covered, std::int32_t unpaid) {
    if (!m_keeping)
        return;
    m_current.row = row;
    m_current.covered = covered;
    m_current.unpaid = unpaid;
    m_years.push_back(std::move(m_current));
    m_current = {};
}

std::vector<YearBreakdown> BreakdownCollector::TakeYears() {
    return std::exchange(m_years, {});
}
