#include "persist/CTessalyDoc.h"
#include "persist/PlanFile.h"
#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"
#include "platform/ViewBase.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class CountingView : public ViewBase {
public:
    void OnUpdate(ViewBase*, long) override { ++updates; }
    int updates = 0;
};

class CTessalyDocTest : public testing::Test {
protected:
    CTessalyDocTest() { m_doc.AddView(m_view); }

    // A document that holds a projection and unsaved changes.
    void MakeBusy() {
        m_doc.m_plan = ProjectionExamplePlan();
        m_doc.Calculate();
        m_doc.m_bPlanReplaced = false;
        m_doc.SetModifiedFlag(true);
    }

    Journal Messages() const { return m_ui.GetJournal(); }

    TemporaryDirectory m_dir;
    RecordingUiServices m_ui;
    CTessalyDoc m_doc{m_ui};
    CountingView m_view;
};

} // namespace

TEST_F(CTessalyDocTest, NewDocumentResetsThePlanAndEmptiesTheTable) {
    MakeBusy();
    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(m_doc.m_plan, Plan{});
    EXPECT_EQ(m_doc.m_results.rowCount, 0);
    EXPECT_TRUE(m_doc.m_bPlanReplaced);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(CTessalyDocTest, OpenReadsThePlan) {
    MakeBusy();
    const std::string path = m_dir.AddFile("savings.Orbe", PlanFileBytes(FileExamplePlan()));
    ASSERT_TRUE(m_doc.OnOpenDocument(path));
    EXPECT_EQ(m_doc.m_plan, FileExamplePlan());
    EXPECT_EQ(m_doc.m_results.rowCount, 0);
    EXPECT_TRUE(m_doc.m_bPlanReplaced);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CTessalyDocTest, FailedOpensChangeNothingAndSaySo) {
    MakeBusy();
    const std::string orb = m_dir.AddFile("home.Orbe", PlanFileBytes(FileExamplePlan()));
    const std::pair<std::string, std::string> cases[] = {
        {m_dir.FilePath("missing.Orbe"), "message: Error opening file! [" +
                                             m_dir.FilePath("missing.Orbe") +
                                             ": No such file or directory]"},
        {orb.substr(0, orb.size() - 1), "message: Error opening file! [" +
                                            orb.substr(0, orb.size() - 1) +
                                            ": No such file or directory]"},
        {m_dir.Path().string(),
         "message: Error opening file! [" + m_dir.Path().string() + ": Is a directory]"},
        {m_dir.AddFile("empty.Orbe"), "message: File format error!"},
        {m_dir.AddFile("off.Orbe", "2052206849\r\n"), "message: File format error!"},
    };
    for (const auto& [path, message] : cases) {
        EXPECT_FALSE(m_doc.OnOpenDocument(path)) << path;
        EXPECT_EQ(Messages().back(), message) << path;
    }
    EXPECT_EQ(m_doc.m_plan, ProjectionExamplePlan());
    EXPECT_EQ(m_doc.m_results.rowCount, 6);
    EXPECT_FALSE(m_doc.m_bPlanReplaced);
}

TEST_F(CTessalyDocTest, DamagedFileOpensAndNamesTheLine) {
    std::string bytes = PlanFileBytes(FileExamplePlan());
    bytes.resize(bytes.find("Living"));
    ASSERT_TRUE(m_doc.OnOpenDocument(m_dir.AddFile("cut.Orbe", bytes)));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("line 22 could not be read"), std::string::npos);
    EXPECT_EQ(m_doc.m_plan.expenses.size(), 1u);
}

TEST_F(CTessalyDocTest, BytesAfterTheLastItemAreNamedWhenThePlanOpens) {
    const std::string bytes = PlanFileBytes(FileExamplePlan()) + "\r\n0\r\nRent\r\n";
    ASSERT_TRUE(m_doc.OnOpenDocument(m_dir.AddFile("tail.Orbe", bytes)));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("11 bytes after it were not read"), std::string::npos);
    EXPECT_EQ(m_doc.m_plan, FileExamplePlan());
}

TEST_F(CTessalyDocTest, SaveWritesTheFileEmptiesTheTableAndClearsTheFlag) {
    MakeBusy();
    m_doc.m_plan = FileExamplePlan();
    const std::string path = m_dir.FilePath("savings.Orbe");
    ASSERT_TRUE(m_doc.OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(path).size(), 214u);
    EXPECT_EQ(ReadBytes(path), PlanFileBytes(FileExamplePlan()));
    EXPECT_EQ(m_doc.m_results.rowCount, 0);
    EXPECT_EQ(m_doc.m_results.rows[0].income, 1778) << "the rows themselves stay";
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_view.updates, 1) << "saving does not refresh the views";
}

TEST_F(CTessalyDocTest, SaveRepairsAShortExtension) {
    ASSERT_TRUE(m_doc.OnSaveDocument(m_dir.FilePath("home.Orb")));
    EXPECT_TRUE(std::filesystem::exists(m_dir.Path() / "home.Orbe"));
    EXPECT_FALSE(std::filesystem::exists(m_dir.Path() / "home.Orb"));
    EXPECT_EQ(m_doc.PathWrittenFor(m_dir.FilePath("home.Orbit")), m_dir.FilePath("home.Orbe"));
}

TEST_F(CTessalyDocTest, FailedSavesKeepTheOldFileTheTableAndTheFlag) {
    const std::string path = m_dir.AddFile("plan.Orbe", "the previous plan");
    MakeBusy();
    EXPECT_FALSE(m_doc.OnSaveDocument(m_dir.FilePath("no/such/folder.Orbe")));
    {
        // A disk that fills up part-way through the file.
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous;
        limit.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = m_doc.OnSaveDocument(path);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
        EXPECT_FALSE(saved);
    }
    EXPECT_EQ(Messages(),
              (Journal{"message: Error saving file! [" + m_dir.FilePath("no/such/folder.Orbe") +
                           ": No such file or directory]",
                       "message: Error saving file! [" + path + ": File too large]"}));
    EXPECT_EQ(ReadBytes(path), "the previous plan");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_results.rowCount, 6);
}

TEST_F(CTessalyDocTest, CalculateFillsTheTableAndRefreshesTheViews) {
    m_doc.m_plan = ProjectionExamplePlan();
    m_doc.Calculate();
    EXPECT_EQ(m_doc.m_results.firstYear, 2000);
    EXPECT_EQ(m_doc.m_results.rowCount, 6);
    EXPECT_EQ(m_view.updates, 1);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CTessalyDocTest, CalculateSaysWhereTheAmountsLeftTheRange) {
    m_doc.m_plan = ProjectionExamplePlan();
    m_doc.m_plan.incomes[0].initialAmount = 2147483647;
    m_doc.Calculate();
    EXPECT_EQ(m_doc.m_results.rowCount, 0);
    EXPECT_EQ(m_view.updates, 1) << "the rows before that year are shown";
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("stops at the calculation limit in 2000"), std::string::npos);
}

TEST_F(CTessalyDocTest, ShownProjectionOutlivesASaveAndNamesTheLimitYear) {
    MakeBusy();
    ASSERT_TRUE(m_doc.OnSaveDocument(m_dir.FilePath("plan.Orbe")));
    ASSERT_EQ(m_doc.m_results.rowCount, 0);
    const ProjectionTable shown = m_doc.ShownResults();
    EXPECT_EQ(shown.firstYear, 2000);
    EXPECT_EQ(shown.rowCount, 6) << "the list keeps its rows on screen";
    EXPECT_EQ(shown.rows[0].income, 1778);
    EXPECT_TRUE(m_doc.BreakdownOfYear(2005).has_value());
    EXPECT_FALSE(m_doc.BreakdownOfYear(2006).has_value());
    EXPECT_EQ(m_doc.ShownLimitYear(), std::nullopt);

    m_doc.m_plan.incomes[0].initialAmount = 2147483647;
    m_doc.Calculate();
    EXPECT_EQ(m_doc.ShownLimitYear(), 2000);
    EXPECT_EQ(m_doc.ShownResults().rowCount, 0);
    EXPECT_FALSE(m_doc.BreakdownOfYear(2000).has_value());

    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(m_doc.ShownLimitYear(), std::nullopt);
}

TEST_F(CTessalyDocTest, SaveAsOntoARepairedNameTakesThePathWritten) {
    RecentFileList recent(4);
    DocumentManager manager(m_doc, recent, m_ui, ".Orbe");
    ASSERT_TRUE(manager.OnFileNew());
    m_ui.QueueSaveFile(m_dir.FilePath("home.Orb"));
    manager.OnFileSaveAs();
    EXPECT_EQ(m_doc.GetPathName(), m_dir.FilePath("home.Orbe"));
    EXPECT_EQ(m_doc.GetTitle(), "home.Orbe");
    EXPECT_EQ(recent[0], m_dir.FilePath("home.Orbe"));
    EXPECT_TRUE(m_ui.AllAnswersUsed());

    m_doc.SetModifiedFlag(true);
    manager.OnFileSave();
    EXPECT_FALSE(m_doc.IsModified()) << "a later Save writes the same file without asking";
    EXPECT_EQ(m_ui.GetJournal().back(), "choose save file: Untitled.Orbe");
}
