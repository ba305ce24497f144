#include "WithdrawalChooser.h"

#include <algorithm>

bool IsChoosableRate(float rate) {
    return rate < 2147483648.0f;
}

float CurrentInterestRate(const IncomeItem& item, std::int32_t year) {
    return year < item.rateSwitchDate.GetYear() ? item.rateBefore : item.rateAfter;
}

void OrderedWithdrawalChooser::Reserve(std::size_t itemCount, std::pmr::memory_resource* memory) {
    m_candidates = std::pmr::vector<Candidate>(itemCount, memory);
    m_order = std::pmr::vector<std::int32_t>(memory);
    m_order.reserve(itemCount);
    m_cursor = 0;
    m_orderBuilt = false;
}

void OrderedWithdrawalChooser::BeginYear(const Plan& plan, std::int32_t year) {
    bool changed = !m_orderBuilt;
    for (std::size_t i = 0; i < plan.incomes.size(); ++i) {
        const IncomeItem& item = plan.incomes[i];
        const float rate = CurrentInterestRate(item, year);
        const bool open = year >= item.withdrawalStart.GetYear() && IsChoosableRate(rate);
        Candidate& candidate = m_candidates[i];
        if (candidate.open != open || (open && candidate.rate != rate)) {
            changed = true;
        }
        candidate = {rate, open};
    }
    m_cursor = 0;
    if (!changed) {
        return;
    }
    m_order.clear();
    for (std::size_t i = 0; i < m_candidates.size(); ++i) {
        if (m_candidates[i].open) {
            m_order.push_back(static_cast<std::int32_t>(i));
        }
    }
    // Stable, so items with equal rates keep their list order.
    std::stable_sort(m_order.begin(), m_order.end(), [this](std::int32_t a, std::int32_t b) {
        return m_candidates[static_cast<std::size_t>(a)].rate <
               m_candidates[static_cast<std::size_t>(b)].rate;
    });
    m_orderBuilt = true;
}

std::int32_t OrderedWithdrawalChooser::FindWithdrawalItem(std::span<const std::int32_t> balances) {
    // Within a year only the chosen item's balance changes, so an item skipped
    // for its zero balance stays empty for the rest of the year.
    while (m_cursor < m_order.size() &&
           balances[static_cast<std::size_t>(m_order[m_cursor])] == 0) {
        ++m_cursor;
    }
    return m_cursor < m_order.size() ? m_order[m_cursor] : -1;
}
