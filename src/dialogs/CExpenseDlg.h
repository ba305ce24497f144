#pragma once

#include "dialogs/CItemBrowserDlg.h"
#include "dialogs/CItemFields.h"
#include "model/Plan.h"

// Browses and edits the plan's expense items.
class CExpenseDlg : public CItemBrowserDlg {
public:
    CExpenseDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent = nullptr);

    std::size_t Count() const override;
    void AppendItem() override;
    void EraseItem(std::size_t index) override;

protected:
    void InsertItem(std::size_t index) override;
    void LoadDraft(std::size_t index) override;
    void StoreDraft(std::size_t index) override;

private:
    CItemFields m_fields;
    ExpenseItem m_draft;
};
