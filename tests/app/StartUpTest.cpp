#include "tests/app/AppFixture.h"

#include "app/StartOptions.h"
#include "platform/FilePaths.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace {

// What the user is told when the plan at path cannot be opened because it is gone.
Journal GoneMessage(const std::string& path) {
    return {"message: Error opening file! [" + FullPath(path) + ": No such file or directory]"};
}

QString Title(const std::string& fileName) {
    return QString::fromStdString(fileName) + QStringLiteral(" - Orbelan");
}

} // namespace

using StartUpTest = AppFixture;

TEST_F(StartUpTest, FirstStartShowsANewUntitledPlan) {
    ASSERT_TRUE(Start());

    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled - Orbelan"));
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_FALSE(Document().IsModified());
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(StartUpTest, FirstStartShowsTheGrayedRecentFilePlaceholder) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(RecentFileEntries(), QStringList{QStringLiteral("Recent File (disabled)")});
}

TEST_F(StartUpTest, NamedPlanOpensInsteadOfTheMostRecentAndBecomesTheMostRecent) {
    const std::string recent = CopyExample("recent.Orbe");
    const std::string named = CopyExample("named.Orbe");
    SetRecentFileSettings({recent});

    ASSERT_TRUE(Start({named}));
    app->ExitInstance();

    EXPECT_EQ(ShownTitle(), Title("named.Orbe"));
    EXPECT_EQ(Document().GetPathName(), FullPath(named));
    EXPECT_TRUE(ui.GetJournal().empty());
    EXPECT_EQ(RecentFileSetting(1), FullPath(named));
    EXPECT_EQ(RecentFileSetting(2), FullPath(recent));
}

TEST_F(StartUpTest, PlanWhoseNameIsNotUtf8OpensFromTheCommandLine) {
    const std::string named = CopyExample("Pr\xE9vision.Orbe");
    const std::string program = "orbelan";
    const char* argv[] = {program.c_str(), named.c_str()};

    ASSERT_TRUE(Start(ArgumentsAfterProgramName(2, argv)));

    EXPECT_EQ(Document().GetPathName(), named);
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(StartUpTest, MostRecentPlanReopensWhenNoFileIsNamed) {
    const std::string recent = CopyExample("recent.Orbe");
    SetRecentFileSettings({recent});

    ASSERT_TRUE(Start());

    EXPECT_EQ(ShownTitle(), Title("recent.Orbe"));
    EXPECT_EQ(Document().GetPathName(), FullPath(recent));
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(StartUpTest, VanishedMostRecentPlanIsReportedThenANewPlanComes) {
    SetRecentFileSettings({folder.FilePath("gone.Orbe")});

    ASSERT_TRUE(Start());

    EXPECT_EQ(ui.GetJournal(), GoneMessage(folder.FilePath("gone.Orbe")));
    EXPECT_EQ(ShownTitle(), QStringLiteral("Untitled - Orbelan"));
}

TEST_F(StartUpTest, VanishedMostRecentPlanIsNotTriedWhenAFileIsNamed) {
    SetRecentFileSettings({folder.FilePath("gone.Orbe")});
    const std::string named = CopyExample("named.Orbe");

    ASSERT_TRUE(Start({named}));

    EXPECT_TRUE(ui.GetJournal().empty());
    EXPECT_EQ(ShownTitle(), Title("named.Orbe"));
}

TEST_F(StartUpTest, CommandLinePlanOpensWhenNothingIsRecent) {
    const std::string named = CopyExample("named.Orbe");

    ASSERT_TRUE(Start({named}));

    EXPECT_EQ(ShownTitle(), Title("named.Orbe"));
    EXPECT_TRUE(ui.GetJournal().empty());
}

TEST_F(StartUpTest, CommandLinePlanThatCannotOpenEndsTheProgram) {
    EXPECT_FALSE(Start({folder.FilePath("gone.Orbe")}));

    EXPECT_EQ(ui.GetJournal(), GoneMessage(folder.FilePath("gone.Orbe")));
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(StartUpTest, CommandLineFileThatIsNoPlanEndsTheProgram) {
    EXPECT_FALSE(Start({AddNonPlanFile("notes.Orbe")}));
    EXPECT_EQ(ui.GetJournal(), Journal{"message: File format error!"});
}

TEST_F(StartUpTest, ShortRecentExtensionsAreRepairedBeforeTheReopen) {
    const std::string plan = CopyExample("home.Orbe");
    SetRecentFileSettings(
        {folder.FilePath("home.Orb"), folder.FilePath("work.Orbx"), folder.FilePath("old.Orbe")});

    ASSERT_TRUE(Start());
    app->ExitInstance();

    EXPECT_EQ(ShownTitle(), Title("home.Orbe"));
    EXPECT_TRUE(ui.GetJournal().empty());
    EXPECT_EQ(RecentFileSetting(1), FullPath(plan));
    EXPECT_EQ(RecentFileSetting(2), folder.FilePath("work.Orbe"));
    EXPECT_EQ(RecentFileSetting(3), folder.FilePath("old.Orbe"));
    EXPECT_EQ(RecentFileSetting(4), "");
}

TEST_F(StartUpTest, RecentPlansAreListedInTheFileMenu) {
    const std::string first = CopyExample("first.Orbe");
    const std::string second = CopyExample("second.Orbe");
    SetRecentFileSettings({first, second});

    ASSERT_TRUE(Start());

    EXPECT_EQ(RecentFileEntries(),
              (QStringList{QStringLiteral("&1 ") + QString::fromStdString(FullPath(first)),
                           QStringLiteral("&2 ") + QString::fromStdString(FullPath(second))}));
}

TEST_F(StartUpTest, ExitWritesTheRecentFileListBack) {
    const std::string plan = CopyExample();
    ASSERT_TRUE(Start());
    ui.QueueOpenFile(plan);
    Action("ID_FILE_OPEN").trigger();

    app->ExitInstance();

    EXPECT_EQ(RecentFileSetting(1), FullPath(plan));
    EXPECT_EQ(RecentFileSetting(2), "");
}

TEST_F(StartUpTest, OpeningAPlanWritesTheRecentFileListToDiskAtOnce) {
    const std::string plan = CopyExample();
    ASSERT_TRUE(Start());
    ui.QueueOpenFile(plan);

    Action("ID_FILE_OPEN").trigger();

    QFile file(QString::fromStdString(folder.FilePath("Orbelan.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(("File1=" + FullPath(plan)).c_str()))
        << "written before the program ends, so a crash keeps it";
}

TEST_F(StartUpTest, ExitAfterAFailedStartStillWritesTheRepairedList) {
    SetRecentFileSettings({folder.FilePath("gone.Orb")});

    EXPECT_FALSE(Start({folder.FilePath("missing.Orbe")}));
    app->ExitInstance();

    EXPECT_EQ(RecentFileSetting(1), folder.FilePath("gone.Orbe"));
}
