#include "persist/PlanFile.h"
#include "tests/persist/SaveFixture.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <sys/mount.h>

namespace fs = std::filesystem;

namespace {

// A plan file of about 100 KiB: more than a 64 KiB file system can take.
Plan LargePlan() {
    Plan plan = FileExamplePlan();
    plan.incomes.resize(2000, plan.incomes.front());
    return plan;
}

class FullDiskTest : public SaveFixture {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system needs root";
        fs::create_directory(m_disk);
        if (::mount("tmpfs", m_disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        m_mounted = true;
    }
    void TearDown() override {
        if (m_mounted)
            ::umount2(m_disk.c_str(), MNT_DETACH);
    }

    const fs::path m_disk = m_dir.Path() / "disk";
    bool m_mounted = false;
};

} // namespace

TEST_F(FullDiskTest, SavesThatDoNotFitFailAndKeepTheOldFile) {
    const std::string path = (m_disk / "plan.Orbe").string();
    const std::string old = PlanFileBytes(FileExamplePlan());
    ASSERT_EQ(Save(path), "saved");
    m_doc.m_plan = LargePlan();
    ASSERT_GT(PlanFileBytes(m_doc.m_plan).size(), 64u * 1024);

    const std::string expected =
        "refused; message: Error saving file! [" + path + ": No space left on device]";
    int failures = 0;
    for (int save = 0; save < 100; ++save) {
        const std::string outcome = Save(path);
        failures += outcome == expected;
        EXPECT_EQ(outcome, expected) << "save " << save;
        EXPECT_EQ(ReadBytes(path), old) << "save " << save;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_disk), fs::directory_iterator()), 1)
            << "no temporary file stays, save " << save;
    }
    std::cout << "full disk: " << failures << " of 100 saves failed as they should\n";
}

TEST_F(FullDiskTest, FailedWriteInPlacePutsTheOldBytesBack) {
    // Hard links make the save write in place; the backup goes to the roomy state folder.
    const std::string path = (m_disk / "plan.Orbe").string();
    const std::string old = PlanFileBytes(FileExamplePlan());
    ASSERT_EQ(Save(path), "saved");
    fs::create_hard_link(path, m_disk / "link.Orbe");
    m_doc.m_plan = LargePlan();

    EXPECT_EQ(Save(path),
              "refused; message: Error saving file! [" + path + ": No space left on device]");

    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
    EXPECT_EQ(BackupCount(), 0u);
}
