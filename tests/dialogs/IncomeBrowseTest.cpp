#include "tests/dialogs/ItemEditorFixture.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using IncomeBrowseTest = ItemEditorFixture;
using Names = std::vector<std::string>;

TEST_F(IncomeBrowseTest, EmptyPlanShowsAPlaceholderThatOkKeeps) {
    m_plan.SetRetirementAge(40);
    OpenIncome([this](QDialog& dialog) {
        EXPECT_EQ(ShownName(dialog), "");
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("taxable"))->isChecked());
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("withdrawalTaxable"))->isChecked());
        EXPECT_EQ(LineEdit(dialog, "initialAmount")->text(), QStringLiteral("0"));
        EXPECT_EQ(LineEdit(dialog, "growthRate")->text(), QStringLiteral("0"));
        EXPECT_EQ(DateEdit(dialog, "initialDate")->date().year(), CurrentLocalYear());
        EXPECT_EQ(DateEdit(dialog, "rateSwitchDate")->date().year(), CurrentLocalYear() + 40);
        EXPECT_EQ(DateEdit(dialog, "withdrawalStart")->date().year(), CurrentLocalYear() + 40);
        EXPECT_EQ(FocusName(), "ok");
        Click(dialog, "ok");
    });
    ASSERT_EQ(m_plan.incomes.size(), 1u);
    EXPECT_EQ(m_modified, 1);
}

TEST_F(IncomeBrowseTest, PlaceholderGoesAgainOnCancel) {
    OpenIncome([](QDialog& dialog) { Click(dialog, "cancel"); });
    EXPECT_TRUE(m_plan.incomes.empty());
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeBrowseTest, CancelAsksBeforeDiscardingCommittedItemsOfAPlaceholderPlan) {
    m_ui.QueueYesNoAnswer(false);
    m_ui.QueueYesNoAnswer(true);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "add");
        Retype(LineEdit(dialog, "name"), QStringLiteral("Salary"));
        Click(dialog, "ok");
        EXPECT_TRUE(Browsing(dialog));
        Click(dialog, "cancel");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(ShownName(dialog), "Salary");
        Click(dialog, "cancel");
    });
    const std::string question = "ask yes/no: Discard the 2 income items entered in this dialog?";
    EXPECT_EQ(m_ui.GetJournal(), (Journal{question, question}));
    EXPECT_TRUE(m_plan.incomes.empty());
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeBrowseTest, NextAndPrevWrapAround) {
    AddIncomes(3);
    m_index = 2;
    OpenIncome([this](QDialog& dialog) {
        EXPECT_EQ(ShownName(dialog), "C");
        Click(dialog, "next");
        EXPECT_EQ(ShownName(dialog), "A");
        EXPECT_EQ(m_index, 0);
        Click(dialog, "prev");
        EXPECT_EQ(ShownName(dialog), "C");
        EXPECT_EQ(m_index, 2);
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeBrowseTest, PrevAndNextKeepTheOnlyItem) {
    AddIncomes(1);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "next");
        EXPECT_EQ(ShownName(dialog), "A");
        Click(dialog, "prev");
        EXPECT_EQ(ShownName(dialog), "A");
        Click(dialog, "cancel");
    });
}

TEST_F(IncomeBrowseTest, InsertCancelledRemovesTheNewItemAgain) {
    AddIncomes(5);
    m_index = 2;
    OpenIncome([this](QDialog& dialog) {
        Click(dialog, "insert");
        EXPECT_EQ(IncomeNames(), (Names{"A", "B", "", "C", "D", "E"}));
        EXPECT_FALSE(Browsing(dialog));
        EXPECT_EQ(FocusName(), "name");
        Click(dialog, "cancel");
        EXPECT_EQ(IncomeNames(), (Names{"A", "B", "C", "D", "E"}));
        EXPECT_EQ(ShownName(dialog), "C");
        EXPECT_TRUE(Browsing(dialog));
        EXPECT_EQ(FocusName(), "ok");
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeBrowseTest, InsertCommittedPutsTheItemAtTheCurrentPosition) {
    AddIncomes(5);
    m_index = 2;
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "insert");
        QTest::keyClicks(LineEdit(dialog, "name"), QStringLiteral("New"));
        PressEnter(dialog);
        EXPECT_TRUE(Browsing(dialog));
        Click(dialog, "cancel");
    });
    EXPECT_EQ(IncomeNames(), (Names{"A", "B", "New", "C", "D", "E"}));
    EXPECT_EQ(m_modified, 1);
}

TEST_F(IncomeBrowseTest, AddCancelledShowsTheLastItem) {
    AddIncomes(3);
    OpenIncome([this](QDialog& dialog) {
        Click(dialog, "add");
        EXPECT_EQ(m_plan.incomes.size(), 4u);
        Click(dialog, "cancel");
        EXPECT_EQ(ShownName(dialog), "C");
        EXPECT_EQ(m_index, 2);
        Click(dialog, "cancel");
    });
    EXPECT_EQ(IncomeNames(), (Names{"A", "B", "C"}));
}

TEST_F(IncomeBrowseTest, DeleteOnTheLastShowsTheNewLast) {
    AddIncomes(5);
    m_index = 4;
    OpenIncome([this](QDialog& dialog) {
        Click(dialog, "delete");
        EXPECT_EQ(ShownName(dialog), "D");
        EXPECT_EQ(m_index, 3);
        Click(dialog, "ok");
    });
    EXPECT_EQ(IncomeNames(), (Names{"A", "B", "C", "D"}));
    EXPECT_EQ(m_modified, 1);
}

TEST_F(IncomeBrowseTest, DeleteInTheMiddleShowsTheFollowingItem) {
    AddIncomes(5);
    m_index = 1;
    OpenIncome([this](QDialog& dialog) {
        Click(dialog, "delete");
        EXPECT_EQ(ShownName(dialog), "C");
        EXPECT_EQ(m_index, 1);
        Click(dialog, "ok");
    });
    EXPECT_EQ(IncomeNames(), (Names{"A", "C", "D", "E"}));
}

TEST_F(IncomeBrowseTest, DeleteNeedsTwoItems) {
    AddIncomes(2);
    OpenIncome([](QDialog& dialog) {
        EXPECT_TRUE(Button(dialog, "delete")->isEnabled());
        Click(dialog, "delete");
        EXPECT_FALSE(Button(dialog, "delete")->isEnabled());
        Click(dialog, "ok");
    });
    m_plan.incomes.resize(1);
    OpenIncome([](QDialog& dialog) {
        EXPECT_FALSE(Button(dialog, "delete")->isEnabled());
        Click(dialog, "ok");
    });
}

TEST_F(IncomeBrowseTest, DeleteDisablesCancelAndOkMarksModified) {
    AddIncomes(3);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "delete");
        EXPECT_FALSE(Button(dialog, "cancel")->isEnabled());
        PressEscape(dialog);
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog, "ok");
    });
    EXPECT_EQ(IncomeNames(), (Names{"B", "C"}));
    EXPECT_EQ(m_modified, 1);
}

TEST_F(IncomeBrowseTest, EditReenablesCancelAfterDelete) {
    AddIncomes(3);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "delete");
        Click(dialog, "edit");
        EXPECT_TRUE(Button(dialog, "cancel")->isEnabled());
        Click(dialog, "cancel");
        EXPECT_TRUE(Button(dialog, "cancel")->isEnabled());
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_modified, 1);
}

TEST_F(IncomeBrowseTest, ReopeningShowsTheItemLastShown) {
    AddIncomes(3);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "prev");
        Click(dialog, "ok");
    });
    OpenIncome([](QDialog& dialog) {
        EXPECT_EQ(ShownName(dialog), "C");
        Click(dialog, "cancel");
    });
    m_planReplaced = true;
    OpenIncome([](QDialog& dialog) {
        EXPECT_EQ(ShownName(dialog), "A");
        Click(dialog, "cancel");
    });
    EXPECT_FALSE(m_planReplaced);
    EXPECT_EQ(m_index, 0);
}

TEST_F(IncomeBrowseTest, BrowseModeDisablesTheFieldsAndEditModeTheNavigation) {
    AddIncomes(2);
    OpenIncome([](QDialog& dialog) {
        EXPECT_FALSE(LineEdit(dialog, "name")->isEnabled());
        EXPECT_FALSE(DateEdit(dialog, "withdrawalStart")->isEnabled());
        for (const char* name : {"prev", "next", "insert", "add", "edit", "delete", "ok"})
            EXPECT_TRUE(Button(dialog, name)->isEnabled()) << name;
        Click(dialog, "edit");
        EXPECT_TRUE(LineEdit(dialog, "name")->isEnabled());
        EXPECT_TRUE(DateEdit(dialog, "withdrawalStart")->isEnabled());
        for (const char* name : {"prev", "next", "insert", "add", "edit", "delete"})
            EXPECT_FALSE(Button(dialog, name)->isEnabled()) << name;
        EXPECT_TRUE(Button(dialog, "ok")->isEnabled());
        EXPECT_TRUE(Button(dialog, "cancel")->isEnabled());
        PressEscape(dialog);
        EXPECT_TRUE(Browsing(dialog));
        PressEnter(dialog);
    });
    EXPECT_FALSE(m_plan.incomes.empty());
}

TEST_F(IncomeBrowseTest, TabFollowsTheTemplateOrder) {
    AddIncomes(2);
    OpenIncome([](QDialog& dialog) {
        EXPECT_EQ(TabCycle(dialog),
                  (Names{"ok", "cancel", "prev", "next", "insert", "edit", "add", "delete"}));
        Click(dialog, "edit");
        EXPECT_EQ(TabCycle(dialog),
                  (Names{"ok", "cancel", "name", "initialAmount", "initialDate", "annualAmount",
                         "annualStart", "annualEnd", "growthRate", "taxable", "withdrawalStart",
                         "withdrawalTaxable", "rateBefore", "rateAfter", "rateSwitchDate"}));
        Click(dialog, "cancel");
        Click(dialog, "cancel");
    });
}
