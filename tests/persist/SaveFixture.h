#pragma once

#include "persist/CTessalyDoc.h"
#include "tests/platform/support/RecordingUiServices.h"
#include "tests/platform/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

// A document to save with, in a folder that every user may write, and a save backup folder
// of its own (XDG_STATE_HOME) for the length of the test.
class SaveFixture : public testing::Test {
protected:
    SaveFixture();
    ~SaveFixture() override;

    // The folder where writes in place keep their backups.
    std::filesystem::path BackupFolder() const;
    std::size_t BackupCount() const;

    // Saves the document's plan to path; the outcome and the messages of this save as one
    // text, so that an unprivileged child can hand them back.
    std::string Save(const std::string& path);

    TemporaryDirectory m_dir;
    RecordingUiServices m_ui;
    CTessalyDoc m_doc{m_ui};

private:
    std::optional<std::string> m_previousStateHome;
};

std::string ReadBytes(const std::string& path);
struct stat StatOf(const std::string& path);
