#pragma once

#include "dialogs/CItemBrowserDlg.h"
#include "dialogs/CItemFields.h"
#include "model/Plan.h"

class QCheckBox;

// Browses and edits the plan's income items.
class CIncomeDlg : public CItemBrowserDlg {
public:
    CIncomeDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent = nullptr);

    std::size_t Count() const override;
    void AppendItem() override;
    void EraseItem(std::size_t index) override;

protected:
    void InsertItem(std::size_t index) override;
    void LoadDraft(std::size_t index) override;
    void StoreDraft(std::size_t index) override;

private:
    QLayout* LayOutFields();

    CItemFields m_fields;
    QCheckBox* m_checkTaxable;
    QDateEdit* m_dtRateSwitch;
    QLineEdit* m_editRateBefore;
    QLineEdit* m_editRateAfter;
    QDateEdit* m_dtWithdrawalStart;
    QCheckBox* m_checkWithdrawalTaxable;
    IncomeItem m_draft;
};
