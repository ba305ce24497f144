// Reads that meet a save writing the file in place take one version whole, or say why not.
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Two plans of one length, different all through: some 100 KB, read in two parts.
Plan Version(char which) {
    Plan plan = FileExamplePlan();
    plan.incomes.resize(1000, plan.incomes.front());
    for (IncomeItem& item : plan.incomes)
        item.name = std::string("Savings ") + which;
    return plan;
}

// Writes the two versions over the file in turn, for ever, in small writes as a slow disk
// would, holding a save's write lock while it writes when locked is true (a save that
// read locks kept from its lock writes without).
[[noreturn]] void WriteInTurn(const fs::path& path, const std::string (&versions)[2], bool locked) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    for (int which = 0;; which = 1 - which) {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        if (locked)
            ::fcntl(fd, F_OFD_SETLKW, &lock);
        const std::string& bytes = versions[which];
        for (std::size_t at = 0; at < bytes.size(); at += 4096)
            ::pwrite(fd, bytes.data() + at, std::min<std::size_t>(4096, bytes.size() - at),
                     static_cast<off_t>(at));
        lock.l_type = F_UNLCK;
        if (locked)
            ::fcntl(fd, F_OFD_SETLK, &lock);
        ::usleep(10000);
    }
}

} // namespace

TEST(PlanFileReadDuringSaveTest, ReadsNeverMixTwoVersions) {
    const fs::path path = fs::temp_directory_path() /
                          ("orbelan-read-during-save-" + std::to_string(::getpid()) + ".Orbe");
    const Plan plans[] = {Version('A'), Version('B')};
    const std::string versions[] = {PlanFileBytes(plans[0]), PlanFileBytes(plans[1])};
    ASSERT_EQ(versions[0].size(), versions[1].size());
    for (const bool locked : {true, false}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << versions[0];
        const pid_t writer = ::fork();
        if (writer == 0)
            WriteInTurn(path, versions, locked);
        int whole = 0;
        int refused = 0;
        int mixed = 0;
        for (int read = 0; read < 100; ++read) {
            Plan plan;
            const PlanOpenResult result = OpenPlanFile(path, plan);
            if (result.status == PlanOpenStatus::CannotOpen &&
                (result.error == MakeOpenError(OpenFailure::SaveInProgress) ||
                 result.error == MakeOpenError(OpenFailure::ChangedWhileReading)))
                ++refused;
            else if (result.status == PlanOpenStatus::Opened && !result.Damaged() &&
                     (plan == plans[0] || plan == plans[1]))
                ++whole;
            else
                ++mixed;
        }
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        std::cout << (locked ? "locked" : "unlocked") << " writer: " << whole << " whole, "
                  << refused << " refused, " << mixed << " mixed\n";
        EXPECT_EQ(mixed, 0) << (locked ? "locked" : "unlocked") << " writer";
    }
    fs::remove(path);
}
