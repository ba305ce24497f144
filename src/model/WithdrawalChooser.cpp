#include "model/WithdrawalChooser.h"

#include <algorithm>
#include <iterator>

bool IsChoosableRate(float rate) {
    return rate < 2147483648.0f;
}

float CurrentInterestRate(const IncomeItem& item, std::int32_t year) {
    return year < item.rateSwitchDate.GetYear() ? item.rateBefore : item.rateAfter;
}

void OrderedWithdrawalChooser::Reserve(const Plan& plan, WorkingMemory* memory) {
    const std::size_t itemCount = plan.incomes.size();
    m_terms = WorkingVector<Terms>(WorkingAllocator<Terms>(memory));
    m_terms.reserve(itemCount);
    for (const IncomeItem& item : plan.incomes) {
        m_terms.push_back({item.withdrawalStart.GetYear(), item.rateSwitchDate.GetYear(),
                           item.rateBefore, item.rateAfter});
    }
    m_candidates =
        WorkingVector<Candidate>(itemCount, Candidate{}, WorkingAllocator<Candidate>(memory));
    for (auto* list : {&m_order, &m_moved, &m_merged}) {
        *list = WorkingVector<std::int32_t>(WorkingAllocator<std::int32_t>(memory));
        list->reserve(itemCount);
    }
    m_cursor = 0;
}

bool OrderedWithdrawalChooser::Precedes(std::int32_t a, std::int32_t b) const {
    const float rateA = m_candidates[static_cast<std::size_t>(a)].rate;
    const float rateB = m_candidates[static_cast<std::size_t>(b)].rate;
    return rateA < rateB || (rateA == rateB && a < b);
}

void OrderedWithdrawalChooser::BeginYear(std::int32_t year, std::int32_t returnsMove) {
    m_cursor = 0;
    m_moved.clear();
    bool closed = false;
    for (std::size_t i = 0; i < m_terms.size(); ++i) {
        const Terms& terms = m_terms[i];
        const float rate =
            MovedRate(year < terms.switchYear ? terms.rateBefore : terms.rateAfter, returnsMove);
        const bool open = year >= terms.openYear && IsChoosableRate(rate);
        Candidate& candidate = m_candidates[i];
        const bool moved = open && (!candidate.open || candidate.rate != rate);
        closed = closed || (candidate.open && !open);
        candidate = {rate, open, moved};
        if (moved)
            m_moved.push_back(static_cast<std::int32_t>(i));
    }
    if (m_moved.empty() && !closed)
        return;
    const auto precedes = [this](std::int32_t a, std::int32_t b) { return Precedes(a, b); };
    std::sort(m_moved.begin(), m_moved.end(), precedes);
    std::erase_if(m_order, [this](std::int32_t i) {
        const Candidate& candidate = m_candidates[static_cast<std::size_t>(i)];
        return !candidate.open || candidate.moved;
    });
    m_merged.clear();
    std::merge(m_order.begin(), m_order.end(), m_moved.begin(), m_moved.end(),
               std::back_inserter(m_merged), precedes);
    m_order.swap(m_merged);
}

std::int32_t OrderedWithdrawalChooser::FindWithdrawalItem(std::span<const std::int32_t> balances) {
    // Within a year only the chosen item's balance changes, so an item skipped
    // for its zero balance stays empty for the rest of the year.
    while (m_cursor < m_order.size() && balances[static_cast<std::size_t>(m_order[m_cursor])] == 0)
        ++m_cursor;
    return m_cursor < m_order.size() ? m_order[m_cursor] : -1;
}
