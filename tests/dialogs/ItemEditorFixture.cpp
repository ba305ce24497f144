#include "tests/dialogs/ItemEditorFixture.h"

#include "dialogs/PlanEditors.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

void ItemEditorFixture::OpenIncome(std::function<void(QDialog&)> steps) {
    if (EditIncome(nullptr, m_plan, m_planReplaced, m_index, m_ui, UserSteps(std::move(steps))))
        ++m_modified;
}

void ItemEditorFixture::OpenExpenses(std::function<void(QDialog&)> steps) {
    if (EditExpenses(nullptr, m_plan, m_planReplaced, m_index, m_ui, UserSteps(std::move(steps))))
        ++m_modified;
}

void ItemEditorFixture::AddIncomes(int count) {
    for (int i = 0; i < count; ++i) {
        m_plan.AppendIncome();
        m_plan.incomes.back().name = std::string(1, static_cast<char>('A' + i));
    }
}

void ItemEditorFixture::AddExpenses(int count) {
    for (int i = 0; i < count; ++i) {
        m_plan.AppendExpense();
        m_plan.expenses.back().name = std::string(1, static_cast<char>('A' + i));
    }
}

std::vector<std::string> ItemEditorFixture::IncomeNames() const {
    std::vector<std::string> names;
    for (const IncomeItem& item : m_plan.incomes)
        names.push_back(item.name);
    return names;
}

std::vector<std::string> ItemEditorFixture::ExpenseNames() const {
    std::vector<std::string> names;
    for (const ExpenseItem& item : m_plan.expenses)
        names.push_back(item.name);
    return names;
}

std::string ShownName(QDialog& dialog) {
    return LineEdit(dialog, "name")->text().toStdString();
}

bool Browsing(QDialog& dialog) {
    return Button(dialog, "prev")->isEnabled();
}
