#include "tests/platform/support/RecordingUiServices.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

template <typename Answer>
Answer NextAnswer(std::deque<Answer>& answers, Answer unanswered, const std::string& request) {
    if (answers.empty()) {
        ADD_FAILURE() << "no answer queued for \"" << request << "\"";
        return unanswered;
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void RecordingUiServices::QueueSaveChangesAnswer(SaveChangesAnswer answer) {
    m_saveChangesAnswers.push_back(answer);
}

void RecordingUiServices::QueueYesNoAnswer(bool yes) {
    m_yesNoAnswers.push_back(yes);
}

void RecordingUiServices::QueueOpenFile(std::optional<std::string> path) {
    m_openFiles.push_back(std::move(path));
}

void RecordingUiServices::QueueSaveFile(std::optional<std::string> path) {
    m_saveFiles.push_back(std::move(path));
}

void RecordingUiServices::QueueExportFile(std::optional<std::string> path) {
    m_exportFiles.push_back(std::move(path));
}

void RecordingUiServices::QueueStartResult(bool started) {
    m_startResults.push_back(started);
}

bool RecordingUiServices::AllAnswersUsed() const {
    return m_saveChangesAnswers.empty() && m_yesNoAnswers.empty() && m_openFiles.empty() &&
           m_saveFiles.empty() && m_exportFiles.empty() && m_startResults.empty();
}

void RecordingUiServices::ShowMessage(const std::string& text, const std::string& detail) {
    m_journal.push_back("message: " + text + (detail.empty() ? "" : " [" + detail + "]"));
}

SaveChangesAnswer RecordingUiServices::AskSaveChanges(const std::string& prompt) {
    m_journal.push_back("ask: " + prompt);
    return NextAnswer(m_saveChangesAnswers, SaveChangesAnswer::Cancel, m_journal.back());
}

bool RecordingUiServices::AskYesNo(const std::string& question) {
    m_journal.push_back("ask yes/no: " + question);
    return NextAnswer(m_yesNoAnswers, false, m_journal.back());
}

bool RecordingUiServices::AskYesNoDefaultYes(const std::string& question,
                                             const std::string& detail) {
    m_journal.push_back("ask yes/no, Yes by default: " + question +
                        (detail.empty() ? "" : " [" + detail + "]"));
    return NextAnswer(m_yesNoAnswers, false, m_journal.back());
}

std::optional<std::string> RecordingUiServices::ChooseOpenFile() {
    m_journal.push_back("choose open file");
    return NextAnswer(m_openFiles, std::optional<std::string>(), m_journal.back());
}

std::optional<std::string> RecordingUiServices::ChooseSaveFile(const std::string& proposedPath) {
    m_journal.push_back("choose save file: " + proposedPath);
    return NextAnswer(m_saveFiles, std::optional<std::string>(), m_journal.back());
}

std::optional<std::string> RecordingUiServices::ChooseExportFile(const std::string& title,
                                                                 const std::string& proposedPath,
                                                                 const std::string& filter) {
    m_exportTitles.push_back(title);
    m_journal.push_back("choose export file: " + proposedPath + " [" + filter + "]");
    return NextAnswer(m_exportFiles, std::optional<std::string>(), m_journal.back());
}

bool RecordingUiServices::StartDetached(const std::string& program,
                                        const std::vector<std::string>& arguments) {
    std::string request = "start: " + program;
    for (const std::string& argument : arguments)
        request += " [" + argument + "]";
    m_journal.push_back(request);
    return NextAnswer(m_startResults, false, m_journal.back());
}

void RecordingUiServices::ShowHelp() {
    m_journal.push_back("help");
}
