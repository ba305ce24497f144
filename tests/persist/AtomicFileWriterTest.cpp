#include "persist/AtomicFileWriter.h"
#include "tests/platform/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::size_t FileCount(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Limits the size of files this process may write, as a full disk would, and
// ignores the signal the limit raises so that writes fail with EFBIG instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

TEST(AtomicFileWriterTest, WritesNewFilesAndReplacesOldOnes) {
    TemporaryDirectory dir;
    const fs::path path = dir.Path() / "plan.Orbe";
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    EXPECT_EQ(ReadBytes(path), "first");
    ASSERT_TRUE(WriteFileAtomically(path, "second, longer"));
    EXPECT_EQ(ReadBytes(path), "second, longer");
    EXPECT_EQ(FileCount(dir.Path()), 1u) << "no temporary file stays behind";
}

TEST(AtomicFileWriterTest, KeepsPermissionBitsAndSymbolicLinks) {
    TemporaryDirectory dir;
    const fs::path real = dir.Path() / "real.Orbe";
    const fs::path link = dir.Path() / "link.Orbe";
    ASSERT_TRUE(WriteFileAtomically(real, "old"));
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.Orbe", link);

    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(ReadBytes(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FileCount(dir.Path()), 2u);
}

TEST(AtomicFileWriterTest, FailedWritesLeaveTheOldFileAndNoTemporary) {
    TemporaryDirectory dir;
    const fs::path path = dir.Path() / "plan.Orbe";
    ASSERT_TRUE(WriteFileAtomically(path, "the old plan"));
    const std::string bytes(4096, 'x');
    for (const rlim_t limit : {rlim_t{0}, rlim_t{1000}}) {
        bool written = true;
        {
            FileSizeLimit full(limit);
            written = WriteFileAtomically(path, bytes);
        }
        EXPECT_FALSE(written) << "limit " << limit;
        EXPECT_EQ(ReadBytes(path), "the old plan");
        EXPECT_EQ(FileCount(dir.Path()), 1u);
    }
}

TEST(AtomicFileWriterTest, MissingFolderFailsWithTheSystemsReason) {
    TemporaryDirectory dir;
    EXPECT_FALSE(WriteFileAtomically(dir.Path() / "no" / "such" / "plan.Orbe", "x"));
    EXPECT_TRUE(WriteFileSafely(dir.Path() / "no" / "such" / "plan.Orbe", "x") ==
                std::errc::no_such_file_or_directory);
    EXPECT_EQ(FileCount(dir.Path()), 0u);
}
