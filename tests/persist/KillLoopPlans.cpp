#include "tests/persist/KillLoopPlans.h"

#include "tests/support/ExamplePlans.h"

Plan KillLoopPlan(int which) {
    Plan plan = which == 0 ? FileExamplePlan() : ProjectionExamplePlan();
    plan.incomes.resize(200, plan.incomes.front());
    return plan;
}
