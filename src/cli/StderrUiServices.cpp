#include "cli/StderrUiServices.h"

void StderrUiServices::ShowMessage(const std::string& text, const std::string& detail) {
    m_err << text << '\n';
    if (!detail.empty())
        m_err << detail << '\n';
}

SaveChangesAnswer StderrUiServices::AskSaveChanges(const std::string&) {
    return SaveChangesAnswer::Cancel;
}

bool StderrUiServices::AskYesNo(const std::string&) {
    return false;
}

std::optional<std::string> StderrUiServices::ChooseOpenFile() {
    return std::nullopt;
}

std::optional<std::string> StderrUiServices::ChooseSaveFile(const std::string&) {
    return std::nullopt;
}

std::optional<std::string>
StderrUiServices::ChooseExportFile(const std::string&, const std::string&, const std::string&) {
    return std::nullopt;
}

bool StderrUiServices::StartDetached(const std::string&, const std::vector<std::string>&) {
    return false;
}
