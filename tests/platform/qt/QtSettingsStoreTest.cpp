#include "platform/qt/QtSettingsStore.h"
#include "platform/RecentFileList.h"
#include "tests/platform/support/RecentEntries.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString RecentGroup() {
    return QStringLiteral("Recent File List");
}

} // namespace

class QtSettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QTemporaryDir folder;
    QString iniPath = folder.filePath(QStringLiteral("settings.ini"));
};

TEST_F(QtSettingsStoreTest, MissingValuesReadEmpty) {
    const QtSettingsStore store(iniPath.toStdString());
    EXPECT_EQ(store.ReadString("Recent File List", "File1"), "");
}

TEST_F(QtSettingsStoreTest, WrittenValuesReadBackWithTheirBytes) {
    // UTF-8, and names from a system that wrote them in another code page.
    for (const std::string path : {"/home/J\xC3\xBCrgen/Pr\xC3\xA9vision \xE2\x82\xAC.Orbe",
                                   "/home/J\xFCrgen/Pr\xE9vision.Orbe", "/plans/\xC3.Orbe"}) {
        {
            QtSettingsStore store(iniPath.toStdString());
            store.WriteString("Recent File List", "File1", path);
        }
        const QtSettingsStore store(iniPath.toStdString());
        EXPECT_EQ(store.ReadString("Recent File List", "File1"), path);
        EXPECT_EQ(store.ReadString("Recent File List", "File2"), "");
    }
}

TEST_F(QtSettingsStoreTest, RemoveSectionDropsItsKeysOnly) {
    QtSettingsStore store(iniPath.toStdString());
    store.WriteString("Recent File List", "File1", "/a.Orbe");
    store.WriteString("Recent File List", "File2", "/b.Orbe");
    store.WriteString("Other", "File1", "kept");

    store.RemoveSection("Recent File List");

    EXPECT_EQ(store.ReadString("Recent File List", "File1"), "");
    EXPECT_EQ(store.ReadString("Recent File List", "File2"), "");
    EXPECT_EQ(store.ReadString("Other", "File1"), "kept");
}

TEST_F(QtSettingsStoreTest, RecentFilesAreWrittenUnderTheirGroupAndKeys) {
    RecentFileList written(4);
    written.Add("/plans/old.Orbe");
    written.Add("/plans/new.Orbe");
    {
        QtSettingsStore store(iniPath.toStdString());
        written.WriteList(store);
    }

    const QSettings file(iniPath, QSettings::IniFormat);
    EXPECT_EQ(file.childGroups(), QStringList{RecentGroup()});
    EXPECT_EQ(file.value(RecentGroup() + QStringLiteral("/File1")).toString(),
              QStringLiteral("/plans/new.Orbe"));
    EXPECT_EQ(file.value(RecentGroup() + QStringLiteral("/File2")).toString(),
              QStringLiteral("/plans/old.Orbe"));
    EXPECT_FALSE(file.contains(RecentGroup() + QStringLiteral("/File3")));

    QFile raw(iniPath);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    EXPECT_TRUE(text.contains("[Recent%20File%20List]")) << text.toStdString();
    EXPECT_TRUE(text.contains("File1=/plans/new.Orbe")) << text.toStdString();
}

TEST_F(QtSettingsStoreTest, FlushPutsTheValuesOnDiskWhileTheStoreLives) {
    QtSettingsStore store(iniPath.toStdString());
    store.WriteString("Recent File List", "File1", "/a.Orbe");

    store.Flush();

    QFile raw(iniPath);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains("File1=/a.Orbe"));
}

TEST_F(QtSettingsStoreTest, RecentFilesReadBackInOrder) {
    RecentFileList written(4);
    for (const char* path : {"/a.Orbe", "/b.Orbe", "/c.Orbe", "/d.Orbe"})
        written.Add(path);
    {
        QtSettingsStore store(iniPath.toStdString());
        written.WriteList(store);
    }

    RecentFileList read(4);
    const QtSettingsStore store(iniPath.toStdString());
    read.ReadList(store);

    EXPECT_EQ(EntriesOf(read), (Entries{"/d.Orbe", "/c.Orbe", "/b.Orbe", "/a.Orbe"}));
}

TEST_F(QtSettingsStoreTest, UserSettingsBelongToVelmarksOrbelan) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    {
        QtSettingsStore store;
        store.WriteString("Recent File List", "File1", "/plans/home.Orbe");
    }

    const QSettings file(folder.filePath(QStringLiteral("Velmark/Orbelan.conf")),
                         QSettings::IniFormat);
    EXPECT_EQ(file.value(RecentGroup() + QStringLiteral("/File1")).toString(),
              QStringLiteral("/plans/home.Orbe"));
}
