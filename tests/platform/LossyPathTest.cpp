#include "platform/LossyPath.h"
#include "tests/platform/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kShown = "\xEF\xBF\xBD";

// As Qt shows a name of ASCII and bytes that are not UTF-8: each such byte as U+FFFD.
std::string ShowName(const std::string& bytes) {
    std::string text;
    for (const char byte : bytes)
        text += static_cast<unsigned char>(byte) < 0x80 ? std::string(1, byte) : kShown;
    return text;
}

} // namespace

TEST(LossyPath, ShownNamesLeadBackToTheBytesOfTheOneFileThatShowsSo) {
    const TemporaryDirectory folder;
    const std::string root = folder.Path().string();
    std::filesystem::create_directories(folder.Path() / "Pr\xE9vision");
    std::filesystem::create_directories(folder.Path() / "empty");
    for (const std::string name : {"caf\xE9.Orbe", "twin\xE8.Orbe", "twin\xE9.Orbe",
                                   "real\xEF\xBF\xBD.Orbe", "Pr\xE9vision/\xE9t\xE9.Orbe"})
        folder.AddFile(name);
    const std::string pr = "/Pr" + kShown + "vision/";
    const char* const kStatus[] = {"found ", "no file ", "several ", "too large "};
    struct Case {
        std::string chosen, proposed;
        std::size_t maxEntries;
        std::string expected;
    };
    for (const Case& c : {
             Case{"/new.Orbe", "", 9, "found /new.Orbe"},
             Case{"/real" + kShown + ".Orbe", "", 9, "found /real" + kShown + ".Orbe"},
             Case{"/caf" + kShown + ".Orbe", "", 9, "found /caf\xE9.Orbe"},
             Case{pr + kShown + "t" + kShown + ".Orbe", "", 9,
                  "found /Pr\xE9vision/\xE9t\xE9.Orbe"},
             // The name the dialog started from need not exist yet.
             Case{pr + "new" + kShown, root + "/Pr\xE9vision/new\xE9", 9,
                  "found /Pr\xE9vision/new\xE9"},
             Case{pr + "new" + kShown, root + "/empty/new\xE9", 9,
                  "no file /Pr\xE9vision new" + kShown},
             Case{"/Other" + kShown + "/x.Orbe", "", 9, "no file  Other" + kShown},
             Case{"/twin" + kShown + ".Orbe", "", 9, "several  twin" + kShown + ".Orbe"},
             Case{"/caf" + kShown + ".Orbe", "", 0, "too large  caf" + kShown + ".Orbe"},
             Case{"/empty/a" + kShown, "", 0, "no file /empty a" + kShown},
         }) {
        const LossyPathMatch match =
            FindLossyPath(root + c.chosen, c.proposed, ShowName, c.maxEntries);
        const bool found = match.status == LossyPathMatch::Status::Found;
        EXPECT_EQ(kStatus[static_cast<int>(match.status)] +
                      (found ? match.path.substr(root.size())
                             : match.folder.substr(root.size()) + " " + match.name),
                  c.expected)
            << c.chosen;
    }
}
