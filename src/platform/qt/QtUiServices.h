#pragma once

#include "platform/UiServices.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QFileDialog;

// The UI services on Qt widgets: message boxes titled "Orbelan", the plan file dialogs,
// detached processes; help is shown by whatever the application hands in.
class QtUiServices : public UiServices {
public:
    explicit QtUiServices(std::function<void()> showHelp);

    // The window that the boxes and dialogs belong to; none until the main window exists.
    void SetParentWidget(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const std::string& text, const std::string& detail = {}) override;
    SaveChangesAnswer AskSaveChanges(const std::string& prompt) override;
    bool AskYesNo(const std::string& question) override;
    bool AskYesNoDefaultYes(const std::string& question, const std::string& detail) override;
    std::optional<std::string> ChooseOpenFile() override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedPath) override;
    std::optional<std::string> ChooseExportFile(const std::string& title,
                                                const std::string& proposedPath,
                                                const std::string& filter) override;
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
    void ShowHelp() override;

private:
    // The file chosen, by its own bytes; proposedPath is the one the dialog started from.
    std::optional<std::string> RunFileDialog(QFileDialog& dialog, const std::string& proposedPath);

    std::function<void()> m_showHelp;
    QPointer<QWidget> m_parent;
};
