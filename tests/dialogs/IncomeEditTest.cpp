#include "tests/dialogs/ItemEditorFixture.h"

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using IncomeEditTest = ItemEditorFixture;

namespace {

PlanDate Date(std::int32_t year, std::int32_t month, std::int32_t day) {
    PlanDate date;
    date.SetDate(year, month, day);
    return date;
}

} // namespace

TEST_F(IncomeEditTest, CommittedEditSurvivesCancelInBrowseMode) {
    AddIncomes(2);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "edit");
        Retype(LineEdit(dialog, "initialAmount"), QStringLiteral(" 500\t"));
        Retype(LineEdit(dialog, "rateBefore"), QStringLiteral("2.5"));
        Click(dialog, "ok");
        EXPECT_TRUE(Browsing(dialog));
        EXPECT_EQ(FocusName(), "ok");
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_plan.incomes[0].initialAmount, 500);
    EXPECT_EQ(m_plan.incomes[0].rateBefore, 2.5f);
    EXPECT_EQ(m_modified, 1);
}

TEST_F(IncomeEditTest, RefusedIntegerStoresNothingAndStaysInEditMode) {
    AddIncomes(2);
    const Plan before = m_plan;
    OpenIncome([this, &before](QDialog& dialog) {
        Click(dialog, "edit");
        Retype(LineEdit(dialog, "name"), QStringLiteral("Renamed"));
        Retype(LineEdit(dialog, "initialAmount"), QStringLiteral("12a"));
        Retype(LineEdit(dialog, "annualAmount"), QStringLiteral("77"));
        Click(dialog, "ok");
        EXPECT_EQ(m_ui.GetJournal(), (Journal{"message: Please enter an integer."}));
        EXPECT_EQ(FocusName(), "initialAmount");
        EXPECT_FALSE(Browsing(dialog));
        EXPECT_EQ(m_plan, before);
        Click(dialog, "cancel");
        EXPECT_EQ(ShownName(dialog), "A");
        Click(dialog, "cancel");
    });
    EXPECT_EQ(m_plan, before);
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeEditTest, RefusedNumberKeepsTheFieldsBeforeItUnstored) {
    AddIncomes(1);
    const Plan before = m_plan;
    OpenIncome([this](QDialog& dialog) {
        Click(dialog, "edit");
        Retype(LineEdit(dialog, "initialAmount"), QStringLiteral("900"));
        QTest::keyClick(DateEdit(dialog, "annualEnd"), Qt::Key_Up);
        Retype(LineEdit(dialog, "growthRate"), QStringLiteral("abc"));
        PressEnter(dialog);
        EXPECT_EQ(m_ui.GetJournal(), (Journal{"message: Please enter a number."}));
        EXPECT_EQ(FocusName(), "growthRate");
        EXPECT_FALSE(Browsing(dialog));
        PressEscape(dialog);
        PressEscape(dialog);
    });
    EXPECT_EQ(m_plan, before);
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeEditTest, ChangingTheYearKeepsMonthAndDay) {
    AddIncomes(1);
    m_plan.incomes[0].initialDate = Date(2030, 6, 15);
    m_plan.incomes[0].annualStart = Date(2024, 2, 29);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "edit");
        EXPECT_EQ(DateEdit(dialog, "initialDate")->text(), QStringLiteral("2030"));
        QTest::keyClick(DateEdit(dialog, "initialDate"), Qt::Key_Up);
        QTest::keyClick(DateEdit(dialog, "annualStart"), Qt::Key_Up);
        Click(dialog, "ok");
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].initialDate, Date(2031, 6, 15));
    // 29 February in a common year is no date, as the plan's own rule says.
    EXPECT_FALSE(m_plan.incomes[0].annualStart.IsValid());
}

TEST_F(IncomeEditTest, YearsReachTheWholeDateRange) {
    AddIncomes(1);
    m_plan.incomes[0].initialDate = Date(101, 3, 4);
    m_plan.incomes[0].annualEnd = Date(9998, 3, 4);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "edit");
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(DateEdit(dialog, "initialDate"), Qt::Key_Down);
            QTest::keyClick(DateEdit(dialog, "annualEnd"), Qt::Key_Up);
        }
        Click(dialog, "ok");
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].initialDate, Date(100, 3, 4));
    EXPECT_EQ(m_plan.incomes[0].annualEnd, Date(9999, 3, 4));
}

TEST_F(IncomeEditTest, TypedYearIsTaken) {
    AddIncomes(1);
    m_plan.incomes[0].withdrawalStart = Date(2040, 7, 1);
    OpenIncome([](QDialog& dialog) {
        Click(dialog, "edit");
        Retype(DateEdit(dialog, "withdrawalStart"), QStringLiteral("2051"));
        PressEnter(dialog);
        EXPECT_TRUE(Browsing(dialog));
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].withdrawalStart, Date(2051, 7, 1));
}

TEST_F(IncomeEditTest, LegacyNameShowsAsWindows1252AndKeepsItsBytes) {
    AddIncomes(1);
    const std::string legacy = "Caf\xe9 \x80";
    m_plan.incomes[0].name = legacy;
    OpenIncome([](QDialog& dialog) {
        EXPECT_EQ(LineEdit(dialog, "name")->text(), QStringLiteral(u"Caf\u00e9 \u20ac"));
        Click(dialog, "edit");
        Click(dialog, "ok");
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].name, legacy);

    OpenIncome([](QDialog& dialog) {
        Click(dialog, "edit");
        QLineEdit* name = LineEdit(dialog, "name");
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, QStringLiteral("!"));
        Click(dialog, "ok");
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].name, "Caf\xc3\xa9 \xe2\x82\xac!");
}

TEST_F(IncomeEditTest, OkInBrowseModeStoresTheShownValuesOnceMore) {
    AddIncomes(1);
    m_plan.incomes[0].growthRate = 1.23456789f;
    OpenIncome([](QDialog& dialog) {
        EXPECT_EQ(LineEdit(dialog, "growthRate")->text(), QStringLiteral("1.23457"));
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].growthRate, 1.23457f);
    // Nothing was edited, so the document stays unmodified.
    EXPECT_EQ(m_modified, 0);
}

TEST_F(IncomeEditTest, LongNamesAndTinyRatesAreShownAndKeptWhole) {
    AddIncomes(1);
    const std::string longName(40000, 'x');
    m_plan.incomes[0].name = longName;
    m_plan.incomes[0].rateBefore = 0.00001f;
    OpenIncome([](QDialog& dialog) {
        EXPECT_EQ(LineEdit(dialog, "name")->text().size(), 40000);
        EXPECT_EQ(LineEdit(dialog, "rateBefore")->text(), QStringLiteral("1e-005"));
        Click(dialog, "ok");
    });
    EXPECT_EQ(m_plan.incomes[0].name, longName);
    EXPECT_EQ(m_plan.incomes[0].rateBefore, 0.00001f);
}
