#include "dialogs/CIncomeDlg.h"

#include "dialogs/DialogWidgets.h"
#include "dialogs/YearEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const QString& text, const QString& objectName) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(objectName);
    return box;
}

} // namespace

CIncomeDlg::CIncomeDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent)
    : CItemListDlg(plan, index, ui, parent),
      m_checkTaxable(MakeCheckBox(this, tr("Taxable"), QStringLiteral("taxable"))),
      m_dtRateSwitch(MakeYearEdit(this, QStringLiteral("rateSwitchDate"))),
      m_editRateBefore(MakeLineEdit(this, QStringLiteral("rateBefore"), 28)),
      m_editRateAfter(MakeLineEdit(this, QStringLiteral("rateAfter"), 28)),
      m_dtWithdrawalStart(MakeYearEdit(this, QStringLiteral("withdrawalStart"))),
      m_checkWithdrawalTaxable(
          MakeCheckBox(this, tr("Taxable"), QStringLiteral("withdrawalTaxable"))) {
    setWindowTitle(tr("Income"));
    // The labels of the rate row read as a sentence; alone they would name nothing.
    m_dtRateSwitch->setAccessibleName(tr("Interest Rate Switch Date"));
    m_editRateBefore->setAccessibleName(tr("Interest Rate Before"));
    m_editRateAfter->setAccessibleName(tr("Interest Rate After"));

    m_exchange.Date(*m_dtRateSwitch, m_items.draft.rateSwitchDate);
    m_exchange.Real(*m_editRateBefore, m_items.draft.rateBefore);
    m_exchange.Real(*m_editRateAfter, m_items.draft.rateAfter);
    m_exchange.Date(*m_dtWithdrawalStart, m_items.draft.withdrawalStart);
    m_exchange.Check(*m_checkTaxable, m_items.draft.taxable);
    m_exchange.Check(*m_checkWithdrawalTaxable, m_items.draft.withdrawalTaxable);
    FinishItem(LayOutFields(), {m_checkTaxable, m_dtWithdrawalStart, m_checkWithdrawalTaxable,
                                m_editRateBefore, m_editRateAfter, m_prev, m_next, m_insert,
                                m_dtRateSwitch, m_edit, m_add, m_delete});
}

QLayout* CIncomeDlg::LayOutFields() {
    m_fields.m_grid->addWidget(m_checkTaxable, 0, 6, 1, 2);

    auto* interest = new QHBoxLayout;
    interest->addWidget(MakeLabel(this, tr("Interest Rate Before"), m_dtRateSwitch));
    interest->addWidget(m_dtRateSwitch);
    interest->addWidget(MakeLabel(this, tr(":"), m_editRateBefore));
    interest->addWidget(m_editRateBefore);
    interest->addWidget(MakeLabel(this, tr(",")));
    interest->addWidget(MakeLabel(this, tr("After:"), m_editRateAfter));
    interest->addWidget(m_editRateAfter);
    interest->addStretch();

    auto* group = new QGroupBox(tr("Eligible Withdrawals From Above Income"), this);
    auto* withdrawals = new QHBoxLayout(group);
    withdrawals->addWidget(MakeLabel(group, tr("Start Date:"), m_dtWithdrawalStart));
    withdrawals->addWidget(m_dtWithdrawalStart);
    withdrawals->addSpacing(DialogUnitsToPixels(*this, 12));
    withdrawals->addWidget(m_checkWithdrawalTaxable);
    withdrawals->addStretch();
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(group);
    groupRow->addStretch();

    auto* fields = new QVBoxLayout;
    fields->addLayout(m_fields.m_grid);
    fields->addLayout(interest);
    fields->addLayout(groupRow);
    return fields;
}
