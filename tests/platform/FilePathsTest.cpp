#include "platform/FilePaths.h"
#include "tests/platform/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(FilePaths, Utf8NamesSurviveTheRoundTrip) {
    const std::string name = "/plans/Pr\xC3\xA9vision \xE2\x82\xAC.Orbe";
    EXPECT_EQ(Utf8FromPath(PathFromUtf8(name)), name);
    EXPECT_EQ(FileNameOf(name), "Pr\xC3\xA9vision \xE2\x82\xAC.Orbe");
}

TEST(FilePaths, FileNameKeepsTheExtension) {
    EXPECT_EQ(FileNameOf("/home/ann/plans/home.Orb"), "home.Orb");
    EXPECT_EQ(FileNameOf("home.Orbe"), "home.Orbe");
}

TEST(FilePaths, FullPathIsAbsoluteAndKeepsWhatOnlyTheKernelCanResolve) {
    // old may be a link, so old/.. is not the text cut short.
    EXPECT_EQ(FullPath("/home/ann/old/../plans/./home.Orbe"), "/home/ann/old/../plans/home.Orbe");
    EXPECT_EQ(FullPath("/home//ann/./home.Orbe"), "/home/ann/home.Orbe");
    EXPECT_EQ(FullPath("home.Orbe"), Utf8FromPath(fs::current_path() / "home.Orbe"));
    EXPECT_EQ(FullPath(""), "");
}

TEST(FilePaths, OnlyAnExistingFileWithOwnerWriteIsWritable) {
    const TemporaryDirectory folder;
    const std::string writable = folder.AddFile("writable.Orbe");
    const std::string readOnly = folder.AddFile("read-only.Orbe");
    fs::permissions(PathFromUtf8(readOnly),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    EXPECT_TRUE(IsExistingWritableFile(writable));
    EXPECT_FALSE(IsExistingWritableFile(readOnly));
    EXPECT_FALSE(IsExistingWritableFile(folder.FilePath("missing.Orbe")));
    EXPECT_FALSE(IsExistingWritableFile(""));
}
