#include "persist/PlanFileNaming.h"
#include "platform/RecentFileList.h"

#include <gtest/gtest.h>

TEST(PlanFileNamingTest, RepairPlanExtensionLooksAtTheLastDotOfTheFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"/plans/home.Orb", "/plans/home.Orbe"},
        {"/plans/home.Orbit", "/plans/home.Orbe"},
        {"/plans/home.Orbe", "/plans/home.Orbe"},
        {"/plans/home.Orbe2", "/plans/home.Orbe2"},
        {"/plans/home.Orb.txt", "/plans/home.Orb.txt"},
        {"/plans/home.ORB", "/plans/home.ORB"},
        {"/plans/home", "/plans/home"},
        {"", ""},
        {"home.Orb", "home.Orbe"},
        {".Orb", ".Orbe"},
        {"/plans/", "/plans/"},
        // A folder name is never the place of the extension.
        {"/my.Orb/home", "/my.Orb/home"},
        {"/my.Orbit/home.Orb", "/my.Orbit/home.Orbe"},
    };
    for (const auto& [path, repaired] : cases)
        EXPECT_EQ(RepairPlanExtension(path), repaired) << path;
}

TEST(PlanFileNamingTest, LongPathsAreRepairedWhole) {
    const std::string folder = "/" + std::string(300, 'f');
    EXPECT_EQ(RepairPlanExtension(folder + "/plan.Orb"), folder + "/plan.Orbe");
}

TEST(PlanFileNamingTest, FixRecentFileExtensionsRepairsEveryEntryInPlace) {
    RecentFileList list(4);
    list.Add("/plans/home.Orbe");
    list.Add("/plans/work.Orbx");
    list.Add("/plans/home.Orb");
    FixRecentFileExtensions(list);
    EXPECT_EQ(list[0], "/plans/home.Orbe");
    EXPECT_EQ(list[1], "/plans/work.Orbe");
    EXPECT_EQ(list[2], "/plans/home.Orbe");
    EXPECT_EQ(list[3], "");
}
