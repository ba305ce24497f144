#include "platform/RecentFileList.h"
#include "tests/platform/MemorySettingsStore.h"
#include "tests/platform/support/RecentEntries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {} // namespace

TEST(RecentFileList, StartsWithItsCapacityOfEmptyEntries) {
    const RecentFileList list(4);
    EXPECT_EQ(list.Size(), 4U);
    EXPECT_EQ(EntriesOf(list), (Entries{"", "", "", ""}));
}

TEST(RecentFileList, AddPutsTheMostRecentFirst) {
    RecentFileList list(4);
    list.Add("/a.Orbe");
    list.Add("/b.Orbe");
    list.Add("/c.Orbe");
    EXPECT_EQ(EntriesOf(list), (Entries{"/c.Orbe", "/b.Orbe", "/a.Orbe", ""}));
}

TEST(RecentFileList, AddOfAListedPathMovesItToTheTop) {
    RecentFileList list(4);
    list.Add("/a.Orbe");
    list.Add("/b.Orbe");
    list.Add("/c.Orbe");
    list.Add("/a.Orbe");
    EXPECT_EQ(EntriesOf(list), (Entries{"/a.Orbe", "/c.Orbe", "/b.Orbe", ""}));
    list.Add("/a.Orbe");
    EXPECT_EQ(EntriesOf(list), (Entries{"/a.Orbe", "/c.Orbe", "/b.Orbe", ""}));
}

TEST(RecentFileList, AddToAFullListDropsTheOldest) {
    RecentFileList list(4);
    for (const char* path : {"/a.Orbe", "/b.Orbe", "/c.Orbe", "/d.Orbe", "/e.Orbe"})
        list.Add(path);
    EXPECT_EQ(EntriesOf(list), (Entries{"/e.Orbe", "/d.Orbe", "/c.Orbe", "/b.Orbe"}));
}

TEST(RecentFileList, PathsDifferingInCaseAreDifferentFiles) {
    RecentFileList list(4);
    list.Add("/a.Orbe");
    list.Add("/A.Orbe");
    EXPECT_EQ(EntriesOf(list), (Entries{"/A.Orbe", "/a.Orbe", "", ""}));
}

TEST(RecentFileList, AnEmptyPathIsNotAdded) {
    RecentFileList list(4);
    list.Add("/a.Orbe");
    list.Add("");
    EXPECT_EQ(EntriesOf(list), (Entries{"/a.Orbe", "", "", ""}));
}

TEST(RecentFileList, RemoveMovesTheLaterEntriesUp) {
    RecentFileList list(4);
    for (const char* path : {"/a.Orbe", "/b.Orbe", "/c.Orbe", "/d.Orbe"})
        list.Add(path);
    list.Remove(1);
    EXPECT_EQ(EntriesOf(list), (Entries{"/d.Orbe", "/b.Orbe", "/a.Orbe", ""}));
    list.Remove(0);
    EXPECT_EQ(EntriesOf(list), (Entries{"/b.Orbe", "/a.Orbe", "", ""}));
}

TEST(RecentFileList, RemoveBeyondTheCapacityIsRefused) {
    RecentFileList list(4);
    list.Add("/a.Orbe");
    EXPECT_FALSE(list.Remove(4));
    EXPECT_EQ(EntriesOf(list), (Entries{"/a.Orbe", "", "", ""}));
}

TEST(RecentFileList, EntriesCanBeRewrittenInPlace) {
    RecentFileList list(4);
    list.Add("/a.Orb");
    list.Add("/b.Orbe");
    list.Set(1, "/a.Orbe");
    EXPECT_EQ(EntriesOf(list), (Entries{"/b.Orbe", "/a.Orbe", "", ""}));
}

TEST(RecentFileList, WriteListStoresTheFilledEntriesAndDropsStaleOnes) {
    MemorySettingsStore settings;
    settings.values[{"Recent File List", "File4"}] = "/stale.Orbe";
    settings.values[{"Other", "File1"}] = "kept";
    RecentFileList list(4);
    list.Add("/a.Orbe");
    list.Add("/b.Orbe");

    list.WriteList(settings);

    EXPECT_EQ(settings.values, (MemorySettingsStore::Values{
                                   {{"Other", "File1"}, "kept"},
                                   {{"Recent File List", "File1"}, "/b.Orbe"},
                                   {{"Recent File List", "File2"}, "/a.Orbe"},
                               }));
}

TEST(RecentFileList, ReadListReplacesEveryEntryUpToTheCapacity) {
    MemorySettingsStore settings;
    settings.values[{"Recent File List", "File1"}] = "/one.Orbe";
    settings.values[{"Recent File List", "File3"}] = "/three.Orbe";
    settings.values[{"Recent File List", "File5"}] = "/five.Orbe";
    RecentFileList list(4);
    list.Add("/old.Orbe");

    list.ReadList(settings);

    EXPECT_EQ(EntriesOf(list), (Entries{"/one.Orbe", "", "/three.Orbe", ""}));
}

TEST(RecentFileList, SmallerCapacityReadsFewerEntries) {
    MemorySettingsStore settings;
    settings.values[{"Recent File List", "File1"}] = "/one.Orbe";
    settings.values[{"Recent File List", "File2"}] = "/two.Orbe";
    settings.values[{"Recent File List", "File3"}] = "/three.Orbe";
    RecentFileList list(2);

    list.ReadList(settings);

    EXPECT_EQ(EntriesOf(list), (Entries{"/one.Orbe", "/two.Orbe"}));
}

TEST(RecentFileList, EveryChangeIsWrittenAndFlushedAtOnceWhenAsked) {
    MemorySettingsStore settings;
    RecentFileList list(4);
    list.WriteEveryChangeTo(settings);

    list.Add("/a.Orbe");
    list.Add("/b.Orbe");
    EXPECT_EQ(settings.ReadString("Recent File List", "File1"), "/b.Orbe");
    EXPECT_EQ(settings.ReadString("Recent File List", "File2"), "/a.Orbe");
    list.Set(1, "/c.Orbe");
    EXPECT_EQ(settings.ReadString("Recent File List", "File2"), "/c.Orbe");
    list.Remove(0);
    EXPECT_EQ(settings.ReadString("Recent File List", "File1"), "/c.Orbe");
    EXPECT_EQ(settings.ReadString("Recent File List", "File2"), "");
    EXPECT_EQ(settings.flushes, 4);

    list.Set(0, "/c.Orbe");
    EXPECT_EQ(settings.flushes, 4) << "an entry set to what it was is no change";
}
