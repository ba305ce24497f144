#include "dialogs/CGeneralDataDlg.h"

#include "dialogs/DialogWidgets.h"
#include "dialogs/YearEdit.h"
#include "model/Plan.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CGeneralDataDlg::CGeneralDataDlg(Plan& plan, UiServices& ui, QWidget* parent)
    : QDialog(parent), m_pPlan(&plan),
      m_editRetirementAge(MakeLineEdit(this, QStringLiteral("retirementAge"), 40)),
      m_editTaxBefore(MakeLineEdit(this, QStringLiteral("taxRateBefore"), 28)),
      m_editTaxAfter(MakeLineEdit(this, QStringLiteral("taxRateAfter"), 28)),
      m_dtBirthDate(MakeYearEdit(this, QStringLiteral("birthDate"))),
      m_ok(MakeButton(this, tr("OK"), QStringLiteral("ok"))),
      m_cancel(MakeButton(this, tr("Cancel"), QStringLiteral("cancel"))), m_ui(ui) {
    setWindowTitle(tr("General Data"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CGeneralDataDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CGeneralDataDlg::reject);

    // The order in which the values are read, and so which refusal comes first.
    m_exchange.Date(*m_dtBirthDate, m_birthDate);
    m_exchange.Real(*m_editTaxBefore, m_taxRateBefore);
    m_exchange.Real(*m_editTaxAfter, m_taxRateAfter);
    m_exchange.Integer(*m_editRetirementAge, m_retirementAge);

    LayOut();
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_dtBirthDate);
    setTabOrder(m_dtBirthDate, m_editRetirementAge);
    setTabOrder(m_editRetirementAge, m_editTaxBefore);
    setTabOrder(m_editTaxBefore, m_editTaxAfter);
}

void CGeneralDataDlg::LayOut() {
    auto* fields = new QGridLayout;
    fields->addWidget(MakeLabel(this, tr("Birth Date:"), m_dtBirthDate), 0, 0);
    fields->addWidget(m_dtBirthDate, 0, 1, Qt::AlignLeft);
    fields->addWidget(MakeLabel(this, tr("Retirement Age:"), m_editRetirementAge), 1, 0);
    fields->addWidget(m_editRetirementAge, 1, 1, Qt::AlignLeft);
    fields->setColumnMinimumWidth(2, DialogUnitsToPixels(*this, 40));
    fields->setColumnStretch(2, 1);
    fields->addWidget(MakeLabel(this, tr("Tax Rate Before Retirement:"), m_editTaxBefore), 0, 3);
    fields->addWidget(m_editTaxBefore, 0, 4);
    fields->addWidget(MakeLabel(this, tr("Tax Rate After Retirement:"), m_editTaxAfter), 1, 3);
    fields->addWidget(m_editTaxAfter, 1, 4);

    QHBoxLayout* closing = MakeClosingRow(m_ok, m_cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addSpacing(DialogUnitsToPixels(*this, 12));
    page->addLayout(closing);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

int CGeneralDataDlg::DoModal(const DialogRunner& run) {
    LoadDraft();
    m_exchange.Show();
    m_ok->setFocus();
    FocusField(*this, m_startField);
    return run(*this);
}

void CGeneralDataDlg::accept() {
    LoadDraft();
    if (!m_exchange.Read(m_ui))
        return;
    m_pPlan->birthDate = m_birthDate;
    m_pPlan->taxRateBefore = m_taxRateBefore;
    m_pPlan->taxRateAfter = m_taxRateAfter;
    // Also recomputes the retirement date from the birth date just stored.
    m_pPlan->SetRetirementAge(m_retirementAge);
    QDialog::accept();
}

void CGeneralDataDlg::LoadDraft() {
    m_birthDate = m_pPlan->birthDate;
    m_taxRateBefore = m_pPlan->taxRateBefore;
    m_taxRateAfter = m_pPlan->taxRateAfter;
    m_retirementAge = m_pPlan->retirementAge;
}
