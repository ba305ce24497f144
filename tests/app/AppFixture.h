#pragma once

#include "app/CTessalyApp.h"
#include "platform/qt/QtSettingsStore.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/qt/EnvironmentVariable.h"
#include "tests/support/qt/ReportRows.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QToolBar;

// How long a test waits for an answer worked out on another thread: a busy machine, or a
// sanitizer's build, takes many times what one takes alone. Within the test's own limit of
// 60 s, so that the wait that failed is the one named.
constexpr int kBackgroundAnswerMs = 30000;

// A fresh program for each test: its own settings file in a temporary folder, a user who
// answers from the test's queue, and the example plans copied where saving cannot harm them.
class AppFixture : public testing::Test {
protected:
    // The arguments after the program name; true when a plan came up and the window shows.
    bool Start(const std::vector<std::string>& arguments = {});

    CMainFrame& Frame();
    // The title as the window shows it, with the mark of unsaved changes where there are some.
    QString ShownTitle();
    CTessalyDoc& Document();
    QAction& Action(const char* id);
    QMenu& Menu(const char* objectName);
    QToolBar& ToolBar();
    std::vector<ReportRow> ShownRows();

    // The worked example, copied into the test's folder under the given name.
    std::string CopyExample(const std::string& name = "retirement-example.Orbe");
    // A file in the test's folder that is not a plan file.
    std::string AddNonPlanFile(const std::string& name);
    void SetRecentFileSettings(const std::vector<std::string>& paths);
    std::string RecentFileSetting(int number) const;
    // Opens the File menu as a user does and reads the visible recent-file entries, each
    // with its enabled state ("&1 /path" or "Recent File (disabled)").
    QStringList RecentFileEntries();
    // Opens the File menu and clicks the entry, as a user chooses a recent file.
    void ClickInFileMenu(const char* id);

    TemporaryDirectory folder;
    // Where the recovery copies of unsaved changes are kept: the test's own.
    EnvironmentVariable stateHome{"XDG_STATE_HOME",
                                  QByteArray::fromStdString((folder.Path() / "state").string())};
    QtSettingsStore settings{folder.FilePath("Orbelan.ini")};
    RecordingUiServices ui;
    std::optional<CTessalyApp> app;
};

// The parent's child of that name, failing the test when there is none.
template <typename Widget> Widget& NamedChild(const QObject& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return *child;
}

// The six rows of the worked example.
extern const std::vector<ReportRow> kExampleRows;
