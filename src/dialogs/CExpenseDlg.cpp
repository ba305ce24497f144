#include "dialogs/CExpenseDlg.h"

#include <QGridLayout>
#include <QPushButton>

CExpenseDlg::CExpenseDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent)
    : CItemListDlg(plan, index, ui, parent) {
    setWindowTitle(tr("Expenses"));
    FinishItem(m_fields.m_grid, {m_prev, m_next, m_insert, m_edit, m_add, m_delete});
}
