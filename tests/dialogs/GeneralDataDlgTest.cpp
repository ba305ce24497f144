#include "dialogs/PlanEditors.h"
#include "model/Plan.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/platform/support/RecordingUiServices.h"

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

PlanDate Date(std::int32_t year, std::int32_t month, std::int32_t day) {
    PlanDate date;
    date.SetDate(year, month, day);
    return date;
}

class GeneralDataDlgTest : public testing::Test {
protected:
    bool Open(std::function<void(QDialog&)> steps) {
        return EditGeneralData(nullptr, m_plan, m_ui, UserSteps(std::move(steps)));
    }

    Plan m_plan;
    RecordingUiServices m_ui;
};

} // namespace

TEST_F(GeneralDataDlgTest, NewPlanShowsItsDefaults) {
    const bool accepted = Open([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("General Data"));
        EXPECT_EQ(DateEdit(dialog, "birthDate")->text(), QString::number(CurrentLocalYear()));
        EXPECT_EQ(LineEdit(dialog, "retirementAge")->text(), QStringLiteral("55"));
        EXPECT_EQ(LineEdit(dialog, "taxRateBefore")->text(), QStringLiteral("33"));
        EXPECT_EQ(LineEdit(dialog, "taxRateAfter")->text(), QStringLiteral("33"));
        EXPECT_EQ(FocusName(), "ok");
        Click(dialog, "cancel");
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(m_plan, Plan());
}

TEST_F(GeneralDataDlgTest, OkWithoutChangeRecomputesTheRetirementDate) {
    m_plan.birthDate = Date(1970, 3, 15);
    m_plan.retirementDate = Date(2000, 1, 1);
    EXPECT_TRUE(Open([](QDialog& dialog) { Click(dialog, "ok"); }));
    EXPECT_EQ(m_plan.retirementDate, Date(2025, 3, 15));
}

TEST_F(GeneralDataDlgTest, BirthYearAndAgeMoveTheRetirementDate) {
    m_plan.birthDate = Date(1970, 3, 15);
    m_plan.SetRetirementAge(55);
    m_plan.AppendIncome();
    EXPECT_TRUE(Open([](QDialog& dialog) {
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Up);
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Up);
        Retype(LineEdit(dialog, "retirementAge"), QStringLiteral("60"));
        Retype(LineEdit(dialog, "taxRateAfter"), QStringLiteral("  25.5 "));
        PressEnter(dialog);
    }));
    EXPECT_EQ(m_plan.birthDate, Date(1972, 3, 15));
    EXPECT_EQ(m_plan.retirementAge, 60);
    EXPECT_EQ(m_plan.retirementDate, Date(2032, 3, 15));
    EXPECT_EQ(m_plan.taxRateAfter, 25.5f);
    // Existing items keep the dates they were given.
    EXPECT_EQ(m_plan.incomes[0].rateSwitchDate, Date(2025, 3, 15));
    EXPECT_EQ(m_plan.incomes[0].withdrawalStart, Date(2025, 3, 15));
}

TEST_F(GeneralDataDlgTest, AbcInRetirementAgeStoresNothing) {
    const Plan before = m_plan;
    const bool accepted = Open([this, &before](QDialog& dialog) {
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Down);
        Retype(LineEdit(dialog, "taxRateBefore"), QStringLiteral("40"));
        Retype(LineEdit(dialog, "retirementAge"), QStringLiteral("abc"));
        Click(dialog, "ok");
        EXPECT_EQ(m_ui.GetJournal(), (Journal{"message: Please enter an integer."}));
        EXPECT_EQ(FocusName(), "retirementAge");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(m_plan, before);
        PressEscape(dialog);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(m_plan, before);
}

TEST_F(GeneralDataDlgTest, AnAgeBeyondTheIntegersIsRefusedWithTheirRange) {
    const bool accepted = Open([this](QDialog& dialog) {
        Retype(LineEdit(dialog, "retirementAge"), QStringLiteral("3000000000"));
        Click(dialog, "ok");
        EXPECT_EQ(m_ui.GetJournal(),
                  (Journal{"message: Enter an integer from -2147483648 to 2147483647."}));
        PressEscape(dialog);
    });
    EXPECT_FALSE(accepted);
}

TEST_F(GeneralDataDlgTest, AbcInTaxRateIsRefusedAsNoNumber) {
    const Plan before = m_plan;
    EXPECT_FALSE(Open([this](QDialog& dialog) {
        Retype(LineEdit(dialog, "taxRateBefore"), QStringLiteral("abc"));
        Retype(LineEdit(dialog, "taxRateAfter"), QString());
        Click(dialog, "ok");
        EXPECT_EQ(m_ui.GetJournal(), (Journal{"message: Please enter a number."}));
        EXPECT_EQ(FocusName(), "taxRateBefore");
        Click(dialog, "cancel");
    }));
    EXPECT_EQ(m_plan, before);
}

TEST_F(GeneralDataDlgTest, BirthYearSpansTheDateRange) {
    m_plan.birthDate = Date(101, 1, 1);
    EXPECT_TRUE(Open([](QDialog& dialog) {
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Down);
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Down);
        EXPECT_EQ(DateEdit(dialog, "birthDate")->text(), QStringLiteral("0100"));
        Click(dialog, "ok");
    }));
    EXPECT_EQ(m_plan.birthDate, Date(100, 1, 1));

    m_plan.birthDate = Date(9998, 12, 31);
    EXPECT_TRUE(Open([](QDialog& dialog) {
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Up);
        QTest::keyClick(DateEdit(dialog, "birthDate"), Qt::Key_Up);
        Click(dialog, "ok");
    }));
    EXPECT_EQ(m_plan.birthDate, Date(9999, 12, 31));
}

TEST_F(GeneralDataDlgTest, TabFollowsTheTemplateOrder) {
    Open([](QDialog& dialog) {
        EXPECT_EQ(TabCycle(dialog),
                  (std::vector<std::string>{"ok", "cancel", "birthDate", "retirementAge",
                                            "taxRateBefore", "taxRateAfter"}));
        Click(dialog, "cancel");
    });
}
