#pragma once

#include "dialogs/CItemListDlg.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;

// Browses and edits the plan's income items.
class CIncomeDlg : public CItemListDlg<IncomeItem> {
public:
    CIncomeDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent = nullptr);

private:
    QLayout* LayOutFields();

    QCheckBox* m_checkTaxable;
    QDateEdit* m_dtRateSwitch;
    QLineEdit* m_editRateBefore;
    QLineEdit* m_editRateAfter;
    QDateEdit* m_dtWithdrawalStart;
    QCheckBox* m_checkWithdrawalTaxable;
};
