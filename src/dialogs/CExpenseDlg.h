#pragma once

#include "dialogs/CItemListDlg.h"

// Browses and edits the plan's expense items.
class CExpenseDlg : public CItemListDlg<ExpenseItem> {
public:
    CExpenseDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent = nullptr);
};
