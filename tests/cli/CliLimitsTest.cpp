// Commands on inputs too large for the memory they may have.
#include "cli/CliCommands.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr rlim_t kGigabyte = 1024ull * 1024 * 1024;

// AddressSanitizer reserves terabytes of address space for its shadow memory, so a limited
// address space says nothing about the command there.
#if defined(__SANITIZE_ADDRESS__)
#define SKIP_UNDER_ADDRESS_SANITIZER()                                                             \
    GTEST_SKIP() << "address space limits do not apply under ASan"
#else
#define SKIP_UNDER_ADDRESS_SANITIZER()
#endif

// Runs the command in a child whose address space is limited to limit bytes; its exit
// status, or -signal when it died.
int RunLimited(std::vector<std::string> args, rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit space{limit, limit};
        ::setrlimit(RLIMIT_AS, &space);
        std::ostream discarded(nullptr);
        std::ostringstream err;
        ::_exit(RunCli(args, discarded, err));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// The address space this process uses now: what a forked child starts with.
rlim_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

} // namespace

TEST(CliLimitsTest, ExplainJsonOfAHundredThousandItemsFitsInOneGigabyte) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    TemporaryDirectory dir;
    Plan plan = ProjectionExamplePlan();
    plan.incomes.resize(100000, plan.incomes.back());
    const std::string path = dir.AddFile("large.Orbe", PlanFileBytes(plan));

    EXPECT_EQ(RunLimited({"explain", "--json", path}, kGigabyte), 0);
}

// A plan of 100,000 savings accounts of 1,000 and 10 a year, about seven megabytes: living
// costs of 50,000 leave them a hundred years, costs of 25 million five.
std::string ManyAccounts(const TemporaryDirectory& dir, std::int32_t livingCosts) {
    Plan plan;
    ReadPlanFile(kHundredYearPlanFile, plan);
    plan.expenses.at(0).annualAmount = livingCosts;
    IncomeItem& account = plan.incomes.at(0);
    account.initialAmount = 1000;
    account.annualAmount = 10;
    account.rateBefore = account.rateAfter = 1;
    plan.incomes.resize(100000, account);
    return dir.AddFile("many.Orbe", PlanFileBytes(plan));
}

// One year is explained from that year's breakdown alone: half a gigabyte holds it, and a
// year the projection does not reach takes next to nothing (keeping every year's breakdown
// needs more than that half gigabyte for either).
TEST(CliLimitsTest, ExplainKeepsOnlyTheYearItExplains) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    TemporaryDirectory dir;
    const std::string path = ManyAccounts(dir, 50000);

    EXPECT_EQ(RunLimited({"explain", path, "2120"}, kGigabyte / 2), 0);
    EXPECT_EQ(RunLimited({"explain", path, "2200"}, kGigabyte / 4), 2);
}

// However little memory there is, explain --json either finishes or says it ran out: never
// an abort part-way through the years.
TEST(CliLimitsTest, ExplainJsonOutOfMemoryExitsWithFour) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    TemporaryDirectory dir;
    const std::string path = ManyAccounts(dir, 25000000);

    for (rlim_t megabytes = 96; megabytes <= 224; megabytes += 16) {
        const int status = RunLimited({"explain", "--json", path}, megabytes << 20);
        EXPECT_TRUE(status == 0 || status == 4) << megabytes << " MB: " << status;
    }
}

TEST(CliLimitsTest, AllocationFailureExitsWithFour) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    TemporaryDirectory dir;
    // A million and a half expenses in some 60 MB, within the size of a plan that is read:
    // in memory, more than the command may hold.
    constexpr int kExpenses = 1500000;
    std::string expense = "\r\n0\r\n1 1 2000\r\n0\r\n1 1 2000\r\n1 1 2000\r\n0";
    std::string bytes =
        "2052206848\r\n1 1 1960\r\n65\r\n1 1 2025\r\n30\r\n20\r\n0\r\n" + std::to_string(kExpenses);
    bytes.reserve(bytes.size() + kExpenses * expense.size() + 2);
    for (int item = 0; item < kExpenses; ++item)
        bytes += expense;
    const std::string path = dir.AddFile("huge.Orbe", bytes + "\r\n");

    EXPECT_EQ(RunLimited({"check", path}, kGigabyte / 4), 4);
}

TEST(CliLimitsTest, SustainRunningOutOfMemoryOnAnyThreadExitsWithFour) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    TemporaryDirectory dir;
    Plan plan;
    ASSERT_EQ(
        OpenPlanFile(std::string(ORBELAN_EXAMPLES_DIR) + "/retirement-example.Orbe", plan).status,
        PlanOpenStatus::Opened);
    // The example's savings and pension 50,000 times over: every spending up to the highest is
    // covered, so the search ends after its first projections.
    for (std::size_t i = plan.incomes.size(); i < 100000; ++i)
        plan.incomes.push_back(plan.incomes[i % 2]);
    const std::string path = dir.AddFile("large.Orbe", PlanFileBytes(plan));
    // From no memory to spare up to enough, so that the memory runs out at every stage of the
    // search, on the calling thread or on a helper.
    constexpr rlim_t kStep = 4 * 1024 * 1024;
    const rlim_t start = AddressSpaceInUse();
    int status = 4;
    for (rlim_t limit = start; status == 4 && limit < start + kGigabyte / 2; limit += kStep) {
        status = RunLimited({"sustain", path}, limit);
        EXPECT_TRUE(status == 4 || status == 0) << "status " << status << " at " << limit;
    }
    EXPECT_EQ(status, 0);
}

TEST(CliLimitsTest, ReportRunningOutOfMemoryWhileWritingThePdfExitsWithFour) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    TemporaryDirectory dir;
    Plan plan = ProjectionExamplePlan();
    plan.incomes.resize(20000, plan.incomes.back());
    const std::string path = dir.AddFile("large.Orbe", PlanFileBytes(plan));
    const std::string pdf = dir.FilePath("large.pdf");
    // From no memory to spare up to enough: the PDF writer runs out on every page in turn.
    constexpr rlim_t kStep = 4 * 1024 * 1024;
    const rlim_t start = AddressSpaceInUse();
    int status = 4;
    for (rlim_t limit = start; status == 4 && limit < start + kGigabyte / 2; limit += kStep) {
        status = RunLimited({"report", path, pdf}, limit);
        EXPECT_TRUE(status == 4 || status == 0) << "status " << status << " at " << limit;
        EXPECT_EQ(std::filesystem::exists(pdf), status == 0);
    }
    EXPECT_EQ(status, 0);
}
