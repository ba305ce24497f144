#include "cli/CliCommands.h"
#include "persist/PlanFile.h"
#include "persist/PlanFileOpen.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

namespace {

const std::string kExample = std::string(ORBELAN_EXAMPLES_DIR) + "/retirement-example.Orbe";

struct SaveRun {
    int status;
    std::string err;
};

SaveRun CliSave(const std::string& in, const std::string& out) {
    std::ostringstream stdOut;
    std::ostringstream stdErr;
    const int status = RunCli(std::vector<std::string>{"save", in, out}, stdOut, stdErr);
    EXPECT_EQ(stdOut.str(), "");
    return {status, stdErr.str()};
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(SaveCommandTest, SavesThePlanAsTheProgramDoesWithTheExtensionRepaired) {
    TemporaryDirectory dir;
    const SaveRun run = CliSave(kExample, dir.FilePath("copy.Orb"));
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_EQ(run.err, "");
    Plan plan;
    ASSERT_EQ(OpenPlanFile(kExample, plan).status, PlanOpenStatus::Opened);
    EXPECT_EQ(ReadBytes(dir.FilePath("copy.Orbe")), PlanFileBytes(plan));
}

TEST(SaveCommandTest, DamagedPlanIsSavedWithItsWarning) {
    TemporaryDirectory dir;
    std::string bytes = PlanFileBytes(FileExamplePlan());
    bytes.resize(bytes.find("Living"));
    const SaveRun run = CliSave(dir.AddFile("cut.Orbe", bytes), dir.FilePath("mended.Orbe"));
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_NE(run.err.find("line 22 could not be read"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(dir.FilePath("mended.Orbe")).substr(0, 12), "2052206848\r\n");
}

TEST(SaveCommandTest, FailuresNameTheFileAndTheReason) {
    TemporaryDirectory dir;
    const std::string missing = dir.FilePath("missing.Orbe");
    const std::string notes = dir.AddFile("notes.Orbe", "Dear diary");
    const std::string nowhere = dir.FilePath("no/such/folder.Orbe");
    const std::string pipe = dir.FilePath("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::string in, out;
        int status;
        std::string err;
    } cases[] = {
        {missing, dir.FilePath("out.Orbe"), kExitCannotOpen,
         "Error opening file!\n" + missing + ": No such file or directory\n"},
        {notes, dir.FilePath("out.Orbe"), kExitCannotOpen, "File format error!\n"},
        {kExample, nowhere, kExitCannotSave,
         "Error saving file!\n" + nowhere + ": No such file or directory\n"},
        {kExample, pipe, kExitCannotSave,
         "Error saving file!\n" + pipe +
             ": this is a pipe, a device or a socket, not a file; give the name of a file\n"},
    };
    for (const auto& c : cases) {
        const SaveRun run = CliSave(c.in, c.out);
        EXPECT_EQ(run.status, c.status) << c.in << " -> " << c.out;
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.FilePath("out.Orbe")));
}

TEST(SaveCommandTest, DotDotAfterALinkMeansTheFolderAboveItsTarget) {
    TemporaryDirectory dir;
    std::filesystem::create_directories(dir.Path() / "a" / "b");
    std::filesystem::create_directory_symlink(dir.Path() / "a" / "b", dir.Path() / "link");
    const std::string plan = dir.AddFile("a/plan.Orbe", PlanFileBytes(FileExamplePlan()));
    dir.AddFile("plan.Orbe", "the text's reading, not the kernel's");
    const std::string through = dir.FilePath("link/../plan.Orbe");

    EXPECT_EQ(CliSave(through, through).status, kExitSuccess);

    EXPECT_EQ(ReadBytes(plan), PlanFileBytes(FileExamplePlan()));
    EXPECT_EQ(ReadBytes(dir.FilePath("plan.Orbe")), "the text's reading, not the kernel's");
}

TEST(SaveCommandTest, SaveNeedsTwoFiles) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(std::vector<std::string>{"save", kExample}, out, err), kExitUsage);
    EXPECT_EQ(err.str(), "orbelan-cli: missing FILE\nTry 'orbelan-cli --help'.\n");
}
