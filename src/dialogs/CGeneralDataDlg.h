#pragma once

#include "dialogs/DataExchange.h"
#include "dialogs/DialogRunner.h"
#include "model/PlanDate.h"

#include <QDialog>
#include <QString>

#include <cstdint>

class Plan;
class QDateEdit;
class QLineEdit;
class QPushButton;
class UiServices;

// Edits the plan-wide values: birth date, retirement age and the two tax rates.
class CGeneralDataDlg : public QDialog {
public:
    CGeneralDataDlg(Plan& plan, UiServices& ui, QWidget* parent = nullptr);

    // Shows the plan's values, then runs the dialog.
    int DoModal(const DialogRunner& run);
    // The dialog is to open with the focus on this field rather than on OK.
    void FocusOnOpen(const QString& field) { m_startField = field; }

    void accept() override;

    Plan* m_pPlan;

private:
    void LayOut();
    void LoadDraft();

    QLineEdit* m_editRetirementAge;
    QLineEdit* m_editTaxBefore;
    QLineEdit* m_editTaxAfter;
    QDateEdit* m_dtBirthDate;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    UiServices& m_ui;
    DataExchange m_exchange;
    PlanDate m_birthDate;
    float m_taxRateBefore = 0.0f;
    float m_taxRateAfter = 0.0f;
    std::int32_t m_retirementAge = 0;
    QString m_startField;
};
