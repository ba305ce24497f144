#pragma once

#include "platform/UiServices.h"

#include <ostream>

// The UI services of orbelan-cli: messages go to the error stream, a message's detail on
// the line after it; nobody is there to answer, so every question is declined.
class StderrUiServices : public UiServices {
public:
    explicit StderrUiServices(std::ostream& err) : m_err(err) {}

    void ShowMessage(const std::string& text, const std::string& detail = {}) override;
    SaveChangesAnswer AskSaveChanges(const std::string& prompt) override;
    bool AskYesNo(const std::string& question) override;
    std::optional<std::string> ChooseOpenFile() override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedPath) override;
    std::optional<std::string> ChooseExportFile(const std::string& title,
                                                const std::string& proposedPath,
                                                const std::string& filter) override;
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
    void ShowHelp() override {}

private:
    std::ostream& m_err;
};
