#pragma once

#include <optional>
#include <string>
#include <vector>

enum class SaveChangesAnswer { Yes, No, Cancel };

// Everything that talks to the user or to the rest of the system goes through here, so that
// the document flows run unchanged under tests that answer in the user's place.
class UiServices {
public:
    virtual ~UiServices() = default;

    // A message with an OK button; the detail, when there is one, is shown under it as the
    // informative text (for a file: its path and the system's reason).
    virtual void ShowMessage(const std::string& text, const std::string& detail = {}) = 0;
    // The question whether to save a changed document before it is replaced or closed.
    virtual SaveChangesAnswer AskSaveChanges(const std::string& prompt) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    // A question with the buttons Yes and No whose Yes gives nothing up (recovering unsaved
    // work), so that Enter answers Yes; the detail is shown under it. A front end that asks
    // no such question asks it as AskYesNo.
    virtual bool AskYesNoDefaultYes(const std::string& question, const std::string& /*detail*/) {
        return AskYesNo(question);
    }
    // The file to open, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile() = 0;
    // The name to save under, starting from the proposed one, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& proposedPath) = 0;
    // The file to export to, asked under a title that says what is exported, starting from
    // the proposed name, offering files that match the filter ("CSV (*.csv)"); nothing when
    // the user cancels.
    virtual std::optional<std::string> ChooseExportFile(const std::string& title,
                                                        const std::string& proposedPath,
                                                        const std::string& filter) = 0;
    // Starts a program without waiting for it; a name without a folder is searched along
    // PATH only. False when it could not be started.
    virtual bool StartDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
    virtual void ShowHelp() = 0;
};
