#pragma once

#include "app/CommandActions.h"
#include "app/RecentFileMenu.h"
#include "app/WindowLayout.h"
#include "platform/DocumentObserver.h"

#include <QMainWindow>

#include <optional>
#include <string>

class CTessalyDoc;
class CTessalyView;
class DocumentManager;
class MoneyDisplay;
class PlanCheckBar;
class ProjectionChart;
class QCloseEvent;
class QDockWidget;
class QLabel;
class QMenu;
class QSplitter;
class RiskPane;
class ScenariosPane;
class QToolBar;
class WhatIfPane;
class YearDetailsPane;
class RecentFileList;
class SettingsStore;
class UiServices;

// The main window: menu, toolbar, status bar and the projection view. It wires the commands
// to the document manager, the view and the UI services, which decide what they do.
class CMainFrame : public QMainWindow, private DocumentObserver {
    Q_OBJECT

public:
    CMainFrame(CTessalyDoc& document, DocumentManager& manager, RecentFileList& recentFiles,
               SettingsStore& settings, UiServices& ui);
    ~CMainFrame() override;

    CTessalyView& GetView() const { return *m_pView; }
    PlanCheckBar& GetPlanCheckBar() const { return *m_pCheckBar; }
    ProjectionChart& GetChart() const { return *m_pChart; }
    YearDetailsPane& GetYearDetails() const { return *m_pYearDetails; }
    WhatIfPane& GetWhatIf() const { return *m_pWhatIf; }
    RiskPane& GetRisk() const { return *m_pRisk; }
    ScenariosPane& GetScenarios() const { return *m_pScenarios; }
    QAction* GetAction(CommandId command) const { return m_actions[command]; }

protected:
    // Closes only when the save prompt lets the plan go, and then remembers its layout.
    void closeEvent(QCloseEvent* event) override;

private:
    void createView();
    // A pane (a widget and a view of the document) in a dock of its own on the right, hidden
    // until asked for; scrolled when it is taller than a small window has room for.
    template <typename Pane>
    QDockWidget* addPane(const QString& title, const char* objectName, Pane& pane, bool scrolled);
    void createYearDetails();
    void createWhatIf();
    void createRisk();
    void createScenarios();
    // Where the panes first show: What If and Risk as tabs, and all three on a small screen.
    void placePanes();
    void followListSelection();
    void createActions();
    // The action shows and hides the pane, and its check mark follows the pane.
    void toggleWithAction(QDockWidget& dock, QAction& action);
    void createMenus();
    void createToolBars();
    void createStatusBar();

    WindowLayoutParts LayoutParts();
    QMenu* addMenu(const char* objectName, const QString& title);
    QLabel* createIndicator(const char* objectName, const QString& text);
    // A finished export says where it wrote, in the status bar.
    void ShowExported(const std::optional<std::string>& path);
    void OnAppAbout();
    void ShowYearDetails();
    void OnDocumentTitleChanged() override;
    void OnDocumentModifiedChanged() override;

    CTessalyDoc& m_document;
    DocumentManager& m_manager;
    SettingsStore& m_settings;
    UiServices& m_ui;
    CommandActions m_actions;
    RecentFileMenu m_recentFileMenu;
    CTessalyView* m_pView = nullptr;
    PlanCheckBar* m_pCheckBar = nullptr;
    ProjectionChart* m_pChart = nullptr;
    YearDetailsPane* m_pYearDetails = nullptr;
    WhatIfPane* m_pWhatIf = nullptr;
    MoneyDisplay* m_moneyDisplay = nullptr;
    QSplitter* m_splitter = nullptr;
    QDockWidget* m_yearDetailsDock = nullptr;
    QDockWidget* m_whatIfDock = nullptr;
    RiskPane* m_pRisk = nullptr;
    QDockWidget* m_riskDock = nullptr;
    ScenariosPane* m_pScenarios = nullptr;
    QDockWidget* m_scenariosDock = nullptr;
    QToolBar* m_toolBar = nullptr;
};
