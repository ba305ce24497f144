#pragma once

#include "dialogs/ItemList.h"
#include "model/Plan.h"

#include <cstddef>
#include <vector>

// Where the plan keeps one kind of item, how it adds and removes one, and what the user
// calls it.
template <typename Item> struct PlanItemKind;

template <> struct PlanItemKind<IncomeItem> {
    static constexpr std::vector<IncomeItem> Plan::*kItems = &Plan::incomes;
    static constexpr void (Plan::*kInsert)(std::size_t) = &Plan::InsertIncome;
    static constexpr void (Plan::*kErase)(std::size_t) = &Plan::EraseIncome;
    static constexpr const char* kName = "income";
};

template <> struct PlanItemKind<ExpenseItem> {
    static constexpr std::vector<ExpenseItem> Plan::*kItems = &Plan::expenses;
    static constexpr void (Plan::*kInsert)(std::size_t) = &Plan::InsertExpense;
    static constexpr void (Plan::*kErase)(std::size_t) = &Plan::EraseExpense;
    static constexpr const char* kName = "expense";
};

// The plan's list of one kind of item, with the draft of one of them.
template <typename Item> class PlanItems final : public ItemList {
    using Kind = PlanItemKind<Item>;

public:
    explicit PlanItems(Plan& plan) : m_plan(plan) {}

    std::size_t Count() const override { return Items().size(); }
    void Insert(std::size_t index) override { (m_plan.*Kind::kInsert)(index); }
    void Erase(std::size_t index) override { (m_plan.*Kind::kErase)(index); }
    void Load(std::size_t index) override { draft = Items()[index]; }
    void Store(std::size_t index) override { Items()[index] = draft; }

    Item draft;

private:
    std::vector<Item>& Items() const { return m_plan.*Kind::kItems; }

    Plan& m_plan;
};
