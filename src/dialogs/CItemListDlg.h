#pragma once

#include "dialogs/CItemBrowserDlg.h"
#include "dialogs/CItemFields.h"
#include "model/Plan.h"

#include <QLineEdit>

#include <cstddef>
#include <cstdint>
#include <vector>

// Where the plan keeps one kind of item, how it adds and removes one, and what the user
// calls it.
template <typename Item> struct PlanItemList;

template <> struct PlanItemList<IncomeItem> {
    static constexpr std::vector<IncomeItem> Plan::*kItems = &Plan::incomes;
    static constexpr void (Plan::*kInsert)(std::size_t) = &Plan::InsertIncome;
    static constexpr void (Plan::*kErase)(std::size_t) = &Plan::EraseIncome;
    static constexpr const char* kKind = "income";
};

template <> struct PlanItemList<ExpenseItem> {
    static constexpr std::vector<ExpenseItem> Plan::*kItems = &Plan::expenses;
    static constexpr void (Plan::*kInsert)(std::size_t) = &Plan::InsertExpense;
    static constexpr void (Plan::*kErase)(std::size_t) = &Plan::EraseExpense;
    static constexpr const char* kKind = "expense";
};

// The item editor of one of the plan's lists: the browser's hold on the list, and the draft
// with the fields that every item has. A subclass binds and lays out the fields of its kind
// between the amounts, bound here first, and the name, bound by FinishItem last.
template <typename Item> class CItemListDlg : public CItemBrowserDlg {
    using List = PlanItemList<Item>;

public:
    std::size_t Count() const override { return Items().size(); }
    void AppendItem() override { InsertItem(Count()); }
    void EraseItem(std::size_t index) override { (m_pPlan->*List::kErase)(index); }

protected:
    CItemListDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent)
        : CItemBrowserDlg(plan, index, ui, List::kKind, parent), m_fields(this) {
        m_fields.BindAmounts(m_exchange, m_draft);
    }

    void InsertItem(std::size_t index) override { (m_pPlan->*List::kInsert)(index); }
    void LoadDraft(std::size_t index) override { m_draft = Items()[index]; }
    void StoreDraft(std::size_t index) override { Items()[index] = m_draft; }

    // tabStops follow OK, Cancel and the shared fields in the tab order.
    void FinishItem(QLayout* fields, const std::vector<QWidget*>& tabStops) {
        m_exchange.Name(*m_fields.m_editName, m_draft.name);
        std::vector<QWidget*> tabOrder{m_ok, m_cancel};
        const std::vector<QWidget*> shared = m_fields.TabStops();
        tabOrder.insert(tabOrder.end(), shared.begin(), shared.end());
        tabOrder.insert(tabOrder.end(), tabStops.begin(), tabStops.end());
        Finish(fields, m_fields.m_editName, std::move(tabOrder));
    }

    CItemFields m_fields;
    Item m_draft;

private:
    std::vector<Item>& Items() const { return m_pPlan->*List::kItems; }
};
