#include "tests/app/AppFixture.h"
#include "tests/app/ModalDialogs.h"
#include "tests/dialogs/DialogDriver.h"

#include "model/PlanQuestions.h"
#include "persist/PlanFile.h"
#include "report/PlanChecks.h"
#include "tests/support/ExamplePlans.h"
#include "view/PlanCheckBar.h"
#include "view/RiskPane.h"
#include "view/WhatIfPane.h"

#include <QAction>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>

namespace {

const char* kSentence =
    "Expenses fall in 2001 (Rent) while no income item is open for withdrawal, so the "
    "projection stops in 2001: open an account for withdrawal from 2001 with the Start Date of "
    "its Eligible Withdrawals under Income.";

} // namespace

class FirstPlanTest : public AppFixture {};

// The worked example with its savings opened a year too late: the bar says so above the list,
// and its button opens the Income dialog on the savings, editing the withdrawal start.
TEST_F(FirstPlanTest, TheCheckBarOpensTheDialogAtTheFieldToChange) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].withdrawalStart = MakeDate(2003, 1, 1);
    const std::string path = folder.FilePath("late.Orbe");
    std::ofstream(path, std::ios::binary) << PlanFileBytes(plan);
    ASSERT_TRUE(Start({path}));

    PlanCheckBar& bar = Frame().GetPlanCheckBar();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(NamedChild<QLabel>(bar, "planCheckText").text().toStdString(), kSentence);
    EXPECT_FALSE(NamedChild<QPushButton>(bar, "planCheckNext").isVisible()) << "one problem";

    std::string focused;
    WhenModalDialogShows([&focused](QDialog& dialog) {
        focused = dialog.focusWidget()->objectName().toStdString();
        EXPECT_EQ(LineEdit(dialog, "name")->text(), QStringLiteral("Savings"));
        Retype(DateEdit(dialog, "withdrawalStart"), QStringLiteral("2000"));
        Click(dialog, "ok");
        Click(dialog, "ok");
    });
    QTest::mouseClick(&NamedChild<QPushButton>(bar, "planCheckFix"), Qt::LeftButton);
    EXPECT_EQ(focused, "withdrawalStart");
    EXPECT_EQ(Document().m_plan.incomes[0].withdrawalStart.GetYear(), 2000);
    EXPECT_TRUE(Document().IsModified());
    EXPECT_FALSE(bar.isVisible()) << "the fixed plan has nothing to say";
    EXPECT_TRUE(ui.GetJournal().empty());
}

// The questions make an ordinary plan, projected at once, which the checks pass.
TEST_F(FirstPlanTest, NewPlanFromQuestionsFillsAndProjectsANewPlan) {
    ASSERT_TRUE(Start({CopyExample()}));
    WhenModalDialogShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.focusWidget()->objectName(), QStringLiteral("birthDate"));
        Retype(DateEdit(dialog, "birthDate"), QStringLiteral("1980"));
        for (const auto& [name, text] :
             std::vector<std::pair<const char*, const char*>>{{"retirementAge", "67"},
                                                              {"savings", "40000"},
                                                              {"savingsInterest", "3"},
                                                              {"salary", "45000"},
                                                              {"salaryGrowth", "2"},
                                                              {"livingCosts", "30000"},
                                                              {"pension", "15000"},
                                                              {"pensionAge", "67"}})
            Retype(LineEdit(dialog, name), QString::fromLatin1(text));
        Click(dialog, "ok");
    });
    Action("ID_FILE_NEW_FROM_QUESTIONS").trigger();

    PlanAnswers answers;
    answers.birthDate = MakeDate(1980, 1, 1);
    answers.savings = 40000;
    answers.savingsInterest = 3.0f;
    answers.salary = 45000;
    answers.salaryGrowth = 2.0f;
    answers.livingCosts = 30000;
    answers.pension = 15000;
    EXPECT_EQ(Document().m_plan, PlanFromAnswers(answers, CurrentLocalYear()));
    EXPECT_EQ(Document().GetPathName(), "");
    EXPECT_TRUE(Document().IsModified());
    ASSERT_FALSE(ShownRows().empty());
    EXPECT_EQ(ShownRows().front().front(), std::to_string(CurrentLocalYear()));
    EXPECT_FALSE(Frame().GetPlanCheckBar().isVisible());
}

// The build keeps the example beside the program as an installation does.
TEST_F(FirstPlanTest, HelpOpensTheHouseholdExample) {
    ASSERT_TRUE(Start());
    Action("ID_HELP_EXAMPLE_PLAN").trigger();
    EXPECT_TRUE(ui.GetJournal().empty());
    EXPECT_TRUE(Document().GetPathName().ends_with("/share/orbelan/examples/household.Orbe"));
    EXPECT_EQ(Document().m_plan.birthDate.GetYear(), 1985);
    EXPECT_FALSE(Frame().GetPlanCheckBar().isVisible());
}

// What If and Risk give no answers for a plan with no first year, only what its check says.
TEST_F(FirstPlanTest, WhatIfAndRiskSayTheCheckOfAPlanWithNoFirstYear) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes[0].initialAmount = 0;
    const std::string path = folder.FilePath("none.Orbe");
    std::ofstream(path, std::ios::binary) << PlanFileBytes(plan);
    ASSERT_TRUE(Start({path}));
    Action("ID_EDIT_CALCULATE").trigger();
    Action("ID_VIEW_WHAT_IF").trigger();
    Action("ID_VIEW_RISK").trigger();
    const QString sentence = QString::fromUtf8(NoFirstYearProblem(plan)->sentence);
    EXPECT_EQ(NamedChild<QLabel>(Frame().GetWhatIf(), "whatIfHorizon").text(), sentence);
    EXPECT_EQ(NamedChild<QLabel>(Frame().GetWhatIf(), "whatIfSustainable").text(), QString());
    EXPECT_EQ(NamedChild<QLabel>(Frame().GetRisk(), "riskAnswer").text(), sentence);
}
