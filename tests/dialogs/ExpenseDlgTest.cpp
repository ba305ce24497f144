#include "tests/dialogs/ItemEditorFixture.h"

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using ExpenseDlgTest = ItemEditorFixture;
using Names = std::vector<std::string>;

TEST_F(ExpenseDlgTest, EmptyPlanShowsAPlaceholderThatCancelRemoves) {
    OpenExpenses([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Expenses"));
        EXPECT_EQ(ShownName(dialog), "");
        EXPECT_EQ(LineEdit(dialog, "annualAmount")->text(), QStringLiteral("0"));
        EXPECT_EQ(DateEdit(dialog, "annualEnd")->date().year(), CurrentLocalYear());
        EXPECT_FALSE(Button(dialog, "delete")->isEnabled());
        Click(dialog, "cancel");
    });
    EXPECT_TRUE(m_plan.expenses.empty());
    EXPECT_EQ(m_modified, 0);
}

TEST_F(ExpenseDlgTest, CancelAsksBeforeDiscardingTheEditedPlaceholder) {
    m_ui.QueueYesNoAnswer(true);
    OpenExpenses([](QDialog& dialog) {
        Click(dialog, "edit");
        Retype(LineEdit(dialog, "name"), QStringLiteral("Rent"));
        Click(dialog, "ok");
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_ui.GetJournal(),
              (Journal{"ask yes/no: Discard the 1 expense item entered in this dialog?"}));
    EXPECT_TRUE(m_plan.expenses.empty());
}

TEST_F(ExpenseDlgTest, PlaceholderKeptByOk) {
    OpenExpenses([](QDialog& dialog) { PressEnter(dialog); });
    EXPECT_EQ(m_plan.expenses.size(), 1u);
    EXPECT_EQ(m_modified, 1);
}

TEST_F(ExpenseDlgTest, BrowsesEditsAndDeletesTheExpenseList) {
    AddExpenses(3);
    AddIncomes(2);
    OpenExpenses([](QDialog& dialog) {
        Click(dialog, "prev");
        EXPECT_EQ(ShownName(dialog), "C");
        Click(dialog, "next");
        EXPECT_EQ(ShownName(dialog), "A");
        Click(dialog, "edit");
        Retype(LineEdit(dialog, "annualAmount"), QStringLiteral("-1200"));
        Retype(LineEdit(dialog, "growthRate"), QStringLiteral("2e0"));
        Click(dialog, "ok");
        Click(dialog, "next");
        Click(dialog, "delete");
        EXPECT_EQ(ShownName(dialog), "C");
        Click(dialog, "ok");
    });
    EXPECT_EQ(ExpenseNames(), (Names{"A", "C"}));
    EXPECT_EQ(m_plan.expenses[0].annualAmount, -1200);
    EXPECT_EQ(m_plan.expenses[0].growthRate, 2.0f);
    EXPECT_EQ(IncomeNames(), (Names{"A", "B"}));
    EXPECT_EQ(m_modified, 1);
}

TEST_F(ExpenseDlgTest, AbcInGrowthRateIsRefusedAndCancelRestoresThePlan) {
    AddExpenses(1);
    const Plan before = m_plan;
    OpenExpenses([this](QDialog& dialog) {
        Click(dialog, "edit");
        Retype(LineEdit(dialog, "initialAmount"), QStringLiteral("300"));
        Retype(LineEdit(dialog, "growthRate"), QStringLiteral("abc"));
        Click(dialog, "ok");
        EXPECT_EQ(m_ui.GetJournal(), (Journal{"message: Please enter a number."}));
        EXPECT_EQ(FocusName(), "growthRate");
        EXPECT_FALSE(Browsing(dialog));
        Click(dialog, "cancel");
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_plan, before);
    EXPECT_EQ(m_modified, 0);
}

TEST_F(ExpenseDlgTest, TabFollowsTheTemplateOrder) {
    AddExpenses(2);
    OpenExpenses([](QDialog& dialog) {
        EXPECT_EQ(TabCycle(dialog),
                  (Names{"ok", "cancel", "prev", "next", "insert", "edit", "add", "delete"}));
        Click(dialog, "edit");
        EXPECT_EQ(TabCycle(dialog),
                  (Names{"ok", "cancel", "name", "initialAmount", "initialDate", "annualAmount",
                         "annualStart", "annualEnd", "growthRate"}));
        Click(dialog, "cancel");
        Click(dialog, "cancel");
    });
}

TEST_F(ExpenseDlgTest, ExpenseIndexRestartsAfterThePlanWasReplaced) {
    AddExpenses(3);
    m_index = 2;
    m_planReplaced = true;
    OpenExpenses([](QDialog& dialog) {
        EXPECT_EQ(ShownName(dialog), "A");
        Click(dialog, "cancel");
    });
}
