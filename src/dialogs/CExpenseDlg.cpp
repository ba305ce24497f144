#include "dialogs/CExpenseDlg.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

CExpenseDlg::CExpenseDlg(Plan& plan, std::int32_t& index, UiServices& ui, QWidget* parent)
    : CItemBrowserDlg(plan, index, ui, "expense", parent), m_fields(this) {
    setWindowTitle(tr("Expenses"));

    m_fields.BindAmounts(m_exchange, m_draft.initialAmount, m_draft.initialDate,
                         m_draft.annualAmount, m_draft.annualStart, m_draft.annualEnd,
                         m_draft.growthRate);
    m_exchange.Name(*m_fields.m_editName, m_draft.name);

    std::vector<QWidget*> tabOrder{m_ok, m_cancel};
    const std::vector<QWidget*> shared = m_fields.TabStops();
    tabOrder.insert(tabOrder.end(), shared.begin(), shared.end());
    tabOrder.insert(tabOrder.end(), {m_prev, m_next, m_insert, m_edit, m_add, m_delete});
    Finish(m_fields.m_grid, m_fields.m_editName, std::move(tabOrder));
}

std::size_t CExpenseDlg::Count() const {
    return m_pPlan->expenses.size();
}

void CExpenseDlg::AppendItem() {
    m_pPlan->AppendExpense();
}

void CExpenseDlg::EraseItem(std::size_t index) {
    m_pPlan->EraseExpense(index);
}

void CExpenseDlg::InsertItem(std::size_t index) {
    m_pPlan->InsertExpense(index);
}

void CExpenseDlg::LoadDraft(std::size_t index) {
    m_draft = m_pPlan->expenses[index];
}

void CExpenseDlg::StoreDraft(std::size_t index) {
    m_pPlan->expenses[index] = m_draft;
}
