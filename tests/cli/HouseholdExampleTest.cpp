#include "model/Projection.h"
#include "model/Risk.h"
#include "persist/PlanFileOpen.h"
#include "report/PlanChecks.h"

#include <gtest/gtest.h>

#include <filesystem>

// The example a newcomer opens first: a household that projects for decades, that the checks
// have nothing to say about, and whose risk answer is neither sure nor hopeless.
TEST(HouseholdExampleTest, ProjectsDecadesWithoutWarningsAndAnOpenRiskAnswer) {
    Plan plan;
    const PlanOpenResult opened =
        OpenPlanFile(std::filesystem::path(ORBELAN_EXAMPLES_DIR) / "household.Orbe", plan);
    ASSERT_EQ(opened.status, PlanOpenStatus::Opened);
    EXPECT_FALSE(opened.Damaged());
    EXPECT_EQ(plan.birthDate.GetYear(), 1985);
    EXPECT_EQ(plan.retirementAge, 67);

    ProjectionTable table;
    EXPECT_EQ(Calculate(plan, table).status, ProjectionStatus::Completed);
    EXPECT_GE(table.rowCount, 40);
    EXPECT_EQ(CheckPlan(plan), std::vector<PlanProblem>{});

    const RiskSummary risk = RunRisk(plan, RiskSettings{});
    ASSERT_EQ(risk.status, RiskStatus::Done);
    EXPECT_GT(SuccessTenths(risk), 100);
    EXPECT_LT(SuccessTenths(risk), 950);
}
