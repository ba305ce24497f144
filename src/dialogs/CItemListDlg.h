#pragma once

#include "dialogs/CItemBrowserDlg.h"
#include "dialogs/CItemFields.h"
#include "dialogs/PlanItems.h"

#include <QLineEdit>

#include <cstdint>
#include <vector>

// The item editor of one kind of item: the plan's list of that kind and the fields that every
// item has. A subclass binds and lays out the fields of its kind between the amounts, bound
// here first, and the name, bound by FinishItem last.
template <typename Item> class CItemListDlg : public CItemBrowserDlg {
protected:
    CItemListDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent)
        : CItemBrowserDlg(index, ui, PlanItemKind<Item>::kName, parent), m_fields(this),
          m_items(plan) {
        m_pItems = &m_items;
        m_fields.BindAmounts(m_exchange, m_items.draft);
    }

    // tabStops follow OK, Cancel and the shared fields in the tab order.
    void FinishItem(QLayout* fields, const std::vector<QWidget*>& tabStops) {
        m_exchange.Name(*m_fields.m_editName, m_items.draft.name);
        std::vector<QWidget*> tabOrder{m_ok, m_cancel};
        const std::vector<QWidget*> shared = m_fields.TabStops();
        tabOrder.insert(tabOrder.end(), shared.begin(), shared.end());
        tabOrder.insert(tabOrder.end(), tabStops.begin(), tabStops.end());
        Finish(fields, m_fields.m_editName, std::move(tabOrder));
    }

    CItemFields m_fields;
    PlanItems<Item> m_items;
};
