#pragma once

#include "platform/UiServices.h"
#include "tests/platform/support/Journal.h"

#include <deque>

// Stands in for the user: writes every request into a journal (a message as
// "message: TEXT", followed by " [DETAIL]" when it has one) and answers from what the
// test queued beforehand. A request without a queued answer fails the test.
class RecordingUiServices : public UiServices {
public:
    RecordingUiServices() : m_journal(m_ownJournal) {}
    // Shares a journal with the test's other fakes.
    explicit RecordingUiServices(Journal& journal) : m_journal(journal) {}
    RecordingUiServices(const RecordingUiServices&) = delete;
    RecordingUiServices& operator=(const RecordingUiServices&) = delete;

    const Journal& GetJournal() const { return m_journal; }

    void QueueSaveChangesAnswer(SaveChangesAnswer answer);
    void QueueYesNoAnswer(bool yes);
    void QueueOpenFile(std::optional<std::string> path);
    void QueueSaveFile(std::optional<std::string> path);
    void QueueExportFile(std::optional<std::string> path);
    void QueueStartResult(bool started);
    bool AllAnswersUsed() const;

    void ShowMessage(const std::string& text, const std::string& detail = {}) override;
    SaveChangesAnswer AskSaveChanges(const std::string& prompt) override;
    bool AskYesNo(const std::string& question) override;
    // Answered from the queue of AskYesNo.
    bool AskYesNoDefaultYes(const std::string& question, const std::string& detail) override;
    std::optional<std::string> ChooseOpenFile() override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedPath) override;
    // The titles of the export dialogs asked for, apart from the journal.
    const std::vector<std::string>& ExportTitles() const { return m_exportTitles; }

    std::optional<std::string> ChooseExportFile(const std::string& title,
                                                const std::string& proposedPath,
                                                const std::string& filter) override;
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
    void ShowHelp() override;

private:
    Journal m_ownJournal;
    Journal& m_journal;
    std::deque<SaveChangesAnswer> m_saveChangesAnswers;
    std::deque<bool> m_yesNoAnswers;
    std::deque<std::optional<std::string>> m_openFiles;
    std::deque<std::optional<std::string>> m_saveFiles;
    std::deque<std::optional<std::string>> m_exportFiles;
    std::deque<bool> m_startResults;
    std::vector<std::string> m_exportTitles;
};
