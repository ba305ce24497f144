#pragma once

#include "app/CMainFrame.h"
#include "app/RecoveryKeeper.h"
#include "persist/CTessalyDoc.h"
#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"

#include <string>
#include <vector>

struct CCommandLineInfo;
class SettingsStore;
class UiServices;

// The application: reads the recent-file list, creates the document, its manager and the
// main window, and decides at start-up which plan comes up first.
class CTessalyApp {
public:
    CTessalyApp(SettingsStore& settings, UiServices& ui);

    // The arguments after the program name. Opens the plan file they name, or else recovers
    // the unsaved changes of a plan never saved when the user wants them, or else reopens the
    // most recent plan, or else starts a new plan; then shows the main window. A plan that
    // opens offers the unsaved changes a crash left of it. False when no plan came up.
    bool InitInstance(const std::vector<std::string>& arguments);
    // Writes the recent-file list back to the settings.
    void ExitInstance();

    CMainFrame& GetMainFrame() { return m_frame; }
    CTessalyDoc& GetDocument() { return m_document; }
    RecoveryKeeper& GetRecovery() { return m_recovery; }

private:
    bool ReopenMostRecentFile();
    bool ProcessShellCommand(const CCommandLineInfo& commandLine);

    SettingsStore& m_settings;
    RecentFileList m_recentFiles;
    CTessalyDoc m_document;
    DocumentManager m_manager;
    RecoveryKeeper m_recovery;
    CMainFrame m_frame;
};
