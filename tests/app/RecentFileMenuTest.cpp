#include "app/RecentFileMenu.h"

#include "platform/RecentFileList.h"

#include <QAction>
#include <QObject>

#include <gtest/gtest.h>

#include <memory>

class RecentFileMenuTest : public testing::Test {
protected:
    RecentFileMenuTest() {
        for (int index = 0; index < 4; ++index)
            entries.push_back(new QAction(&owner));
    }

    // The visible entries' texts, each marked when it is grayed.
    QStringList Shown() const {
        QStringList shown;
        for (const QAction* entry : entries) {
            if (entry->isVisible())
                shown.append(entry->isEnabled() ? entry->text()
                                                : entry->text() + QStringLiteral(" (grayed)"));
        }
        return shown;
    }

    QObject owner;
    std::vector<QAction*> entries;
    RecentFileList recentFiles{4};
};

TEST_F(RecentFileMenuTest, EmptyListShowsTheGrayedPlaceholder) {
    RecentFileMenu menu(recentFiles, entries);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Recent File (grayed)")});
}

TEST_F(RecentFileMenuTest, ListedFilesShowNumberedWithFullPaths) {
    recentFiles.Add("/plans/old.Orbe");
    recentFiles.Add("/plans/new.Orbe");
    RecentFileMenu menu(recentFiles, entries);
    EXPECT_EQ(Shown(), (QStringList{QStringLiteral("&1 /plans/new.Orbe"),
                                    QStringLiteral("&2 /plans/old.Orbe")}));
}

TEST_F(RecentFileMenuTest, UpdateRepairsShortExtensionsInTheList) {
    RecentFileMenu menu(recentFiles, entries);
    recentFiles.Add("/plans/work.Orbx");
    recentFiles.Add("/plans/home.Orb");

    menu.Update();

    EXPECT_EQ(recentFiles[0], "/plans/home.Orbe");
    EXPECT_EQ(recentFiles[1], "/plans/work.Orbe");
    EXPECT_EQ(Shown(), (QStringList{QStringLiteral("&1 /plans/home.Orbe"),
                                    QStringLiteral("&2 /plans/work.Orbe")}));
}

TEST_F(RecentFileMenuTest, UpdateFollowsAListThatEmptied) {
    recentFiles.Add("/plans/home.Orbe");
    RecentFileMenu menu(recentFiles, entries);
    recentFiles.Remove(0);

    menu.Update();

    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Recent File (grayed)")});
}

TEST_F(RecentFileMenuTest, AmpersandInANameIsShownNotTakenAsMnemonic) {
    recentFiles.Add("/plans/Tom & Ann.Orbe");
    RecentFileMenu menu(recentFiles, entries);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("&1 /plans/Tom && Ann.Orbe")});
}
