#include "app/CTessalyApp.h"

#include "app/CCommandLineInfo.h"
#include "persist/PlanFileNaming.h"
#include "platform/SettingsStore.h"
#include "report/DisplayName.h"

#include <cstddef>

namespace {

RecentFileList ReadRecentFileList(SettingsStore& settings) {
    RecentFileList recentFiles(kRecentFileCount);
    recentFiles.ReadList(settings);
    recentFiles.WriteEveryChangeTo(settings);
    return recentFiles;
}

} // namespace

CTessalyApp::CTessalyApp(SettingsStore& settings, UiServices& ui)
    : m_settings(settings), m_recentFiles(ReadRecentFileList(settings)), m_document(ui),
      m_manager(m_document, m_recentFiles, ui, kPlanExtension),
      m_recovery(m_document, m_manager, ui),
      m_frame(m_document, m_manager, m_recentFiles, settings, ui) {
    // The save question names the plan as the title does.
    m_manager.SetNameRule(DisplayName);
}

bool CTessalyApp::InitInstance(const std::vector<std::string>& arguments) {
    const CCommandLineInfo commandLine = ParseCommandLine(arguments);
    FixRecentFileExtensions(m_recentFiles);
    // A plan named on the command line (a file manager's double-click) is the one the user
    // asked for, so it opens rather than the most recent; without one, the most recent plan
    // comes back, and a new plan when it cannot.
    const bool fileNamed = commandLine.m_nShellCommand == CCommandLineInfo::ShellCommand::FileOpen;
    const bool recovered = !fileNamed && m_recovery.OfferUntitledCopy();
    if (!recovered && (fileNamed || !ReopenMostRecentFile()) && !ProcessShellCommand(commandLine))
        return false;
    m_frame.show();
    m_frame.activateWindow();
    return true;
}

void CTessalyApp::ExitInstance() {
    m_recentFiles.WriteList(m_settings);
}

bool CTessalyApp::ReopenMostRecentFile() {
    // A copy: opening the file reorders the list.
    const std::string mostRecent = m_recentFiles[0];
    return !mostRecent.empty() && m_manager.OpenDocumentFile(mostRecent);
}

bool CTessalyApp::ProcessShellCommand(const CCommandLineInfo& commandLine) {
    if (commandLine.m_nShellCommand == CCommandLineInfo::ShellCommand::FileOpen)
        return m_manager.OpenDocumentFile(commandLine.m_strFileName);
    return m_manager.OnFileNew();
}
