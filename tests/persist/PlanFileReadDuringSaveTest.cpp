// Reads that meet a save writing the file in place take one version whole, or say why not.
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/mman.h>
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

// Counts the writer's versions where the reading test sees it, once as each begins and once
// as it ends: odd while a version is half written.
using VersionCount = std::atomic<std::uint64_t>;

// Writes the two versions over the file in turn, for ever, in small writes as a slow disk
// would, holding a save's write lock while it writes when locked is true (a save that
// read locks kept from its lock writes without).
[[noreturn]] void WriteInTurn(const fs::path& path, const std::string (&versions)[2], bool locked,
                              VersionCount& versionsBegunAndEnded) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    for (int which = 0;; which = 1 - which) {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        if (locked)
            ::fcntl(fd, F_OFD_SETLKW, &lock);
        const std::string& bytes = versions[which];
        ++versionsBegunAndEnded;
        for (std::size_t at = 0; at < bytes.size(); at += 4096)
            ::pwrite(fd, bytes.data() + at, std::min<std::size_t>(4096, bytes.size() - at),
                     static_cast<off_t>(at));
        ++versionsBegunAndEnded;
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
    void* shared = ::mmap(nullptr, sizeof(VersionCount), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    VersionCount& versionsBegunAndEnded = *new (shared) VersionCount(0);
    for (const bool locked : {true, false}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << versions[0];
        const pid_t writer = ::fork();
        if (writer == 0)
            WriteInTurn(path, versions, locked, versionsBegunAndEnded);
        int whole = 0;
        int refused = 0;
        int mixed = 0;
        int mixedAtRest = 0;
        for (int read = 0; read < 100; ++read) {
            Plan plan;
            const std::uint64_t before = versionsBegunAndEnded;
            const PlanOpenResult result = OpenPlanFile(path, plan);
            // A writer that takes no lock and was stopped half-way through a version the
            // whole time left a mix at rest, which no reader can tell from a plan.
            const bool stoppedHalfWay = before % 2 == 1 && versionsBegunAndEnded == before;
            if (result.status == PlanOpenStatus::CannotOpen &&
                (result.error == MakeOpenError(OpenFailure::SaveInProgress) ||
                 result.error == MakeOpenError(OpenFailure::ChangedWhileReading)))
                ++refused;
            else if (result.status == PlanOpenStatus::Opened && !result.Damaged() &&
                     (plan == plans[0] || plan == plans[1]))
                ++whole;
            else if (stoppedHalfWay && !locked)
                ++mixedAtRest;
            else
                ++mixed;
        }
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        std::cout << (locked ? "locked" : "unlocked") << " writer: " << whole << " whole, "
                  << refused << " refused, " << mixed << " mixed, " << mixedAtRest
                  << " mixed at rest\n";
        EXPECT_EQ(mixed, 0) << (locked ? "locked" : "unlocked") << " writer";
    }
    ::munmap(shared, sizeof(VersionCount));
    fs::remove(path);
}
