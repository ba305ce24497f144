#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/FirstPlanCommands.h"
#include "app/HelpKeyFilter.h"
#include "app/RiskInputsSetting.h"
#include "app/SustainableAgeSetting.h"
#include "dialogs/NameText.h"
#include "model/PlanDate.h"
#include "persist/CTessalyDoc.h"
#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"
#include "platform/UiServices.h"
#include "view/CTessalyView.h"
#include "view/MoneyDisplay.h"
#include "view/PlanCheckBar.h"
#include "view/ProjectionChart.h"
#include "view/ProjectionExport.h"
#include "view/RiskPane.h"
#include "view/ScenarioFiles.h"
#include "view/ScenariosPane.h"
#include "view/VerticalScroller.h"
#include "view/WhatIfPane.h"
#include "view/WheelPastControls.h"
#include "view/YearDetailsPane.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kToolBarIconSize = 16;
// Room for the five 100-pixel columns and the chart below them beside the panes, Year Details
// over What If and Risk, each pane tall enough to be read without scrolling much.
constexpr QSize kDefaultSize(1280, 900);
constexpr int kChartMinimumHeight = 180;

QString ApplicationName() {
    return QStringLiteral("Orbelan");
}

constexpr std::array<CommandId, kRecentFileCount> kRecentFileCommands = {
    CommandId::FileMruFile1, CommandId::FileMruFile2, CommandId::FileMruFile3,
    CommandId::FileMruFile4};

std::vector<QAction*> RecentFileEntries(const CommandActions& actions) {
    std::vector<QAction*> entries;
    for (const CommandId command : kRecentFileCommands)
        entries.push_back(actions[command]);
    return entries;
}

} // namespace

CMainFrame::CMainFrame(CTessalyDoc& document, DocumentManager& manager, RecentFileList& recentFiles,
                       SettingsStore& settings, UiServices& ui)
    : m_document(document), m_manager(manager), m_settings(settings), m_ui(ui), m_actions(*this),
      m_recentFileMenu(recentFiles, RecentFileEntries(m_actions)) {
    createView();
    createYearDetails();
    createWhatIf();
    createRisk();
    createScenarios();
    followListSelection();
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    resize(FirstWindowSize(*this, kDefaultSize));
    placePanes();
    RestoreWindowLayout(LayoutParts(), m_settings);
    OnDocumentTitleChanged();
    OnDocumentModifiedChanged();
    m_document.AddObserver(*this);
}

CMainFrame::~CMainFrame() {
    m_document.RemoveObserver(*this);
    // The docks hide as the base window goes, when this frame is no more: their check marks
    // must not follow them then.
    m_yearDetailsDock->disconnect(this);
    m_whatIfDock->disconnect(this);
    m_riskDock->disconnect(this);
    m_scenariosDock->disconnect(this);
}

WindowLayoutParts CMainFrame::LayoutParts() {
    return {*this, *m_splitter, *m_actions[CommandId::ViewChart]};
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_manager.CanCloseFrame()) {
        event->ignore();
        return;
    }
    // Closing without saving lets the changes go, and with them their recovery copy.
    m_document.SetModifiedFlag(false);
    SaveWindowLayout(LayoutParts(), m_settings);
    event->accept();
}

void CMainFrame::createView() {
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("projectionSplitter"));
    m_splitter->setAccessibleName(QStringLiteral("Projection list and chart"));
    m_splitter->setChildrenCollapsible(false);
    // The plan's checks stand above the list, which they explain.
    auto* listArea = new QWidget(m_splitter);
    m_pCheckBar = new PlanCheckBar(listArea);
    m_pView = new CTessalyView(m_ui, listArea);
    auto* listColumn = new QVBoxLayout(listArea);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(0);
    listColumn->addWidget(m_pCheckBar);
    listColumn->addWidget(m_pView, 1);
    m_pChart = new ProjectionChart(m_splitter);
    m_splitter->addWidget(listArea);
    m_splitter->addWidget(m_pChart);
    m_pChart->setMinimumHeight(kChartMinimumHeight);
    // Half each to start with; the user moves the handle from there.
    m_splitter->setSizes({kDefaultSize.height() / 2, kDefaultSize.height() / 2});
    setCentralWidget(m_splitter);
    m_document.AddView(*m_pView);
    m_document.AddView(*m_pCheckBar);
    connect(m_pCheckBar, &PlanCheckBar::fixRequested, m_pView, &CTessalyView::OnFixProblem);
    connect(m_pView, &CTessalyView::planEdited, m_pCheckBar, &PlanCheckBar::Recheck);
    // The chart and the pane hear of the document after the list, and show what it shows.
    m_document.AddView(*m_pChart);
}

template <typename Pane>
QDockWidget* CMainFrame::addPane(const QString& title, const char* objectName, Pane& pane,
                                 bool scrolled) {
    auto* dock = new QDockWidget(title, this);
    dock->setObjectName(QString::fromLatin1(objectName));
    dock->setAccessibleName(title);
    if (scrolled) {
        auto* scroller = new VerticalScroller(dock);
        scroller->setWidget(&pane);
        dock->setWidget(scroller);
    } else {
        dock->setWidget(&pane);
    }
    addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    m_document.AddView(pane);
    return dock;
}

void CMainFrame::createYearDetails() {
    m_pYearDetails = new YearDetailsPane;
    m_yearDetailsDock =
        addPane(QStringLiteral("Year Details"), "yearDetailsDock", *m_pYearDetails, false);
}

void CMainFrame::createWhatIf() {
    m_moneyDisplay = new MoneyDisplay(m_settings, CurrentLocalYear(), this);
    m_pChart->SetMoneyDisplay(*m_moneyDisplay);
    m_pYearDetails->SetMoneyDisplay(*m_moneyDisplay);
    m_pWhatIf = new WhatIfPane;
    m_pWhatIf->SetMoneyDisplay(*m_moneyDisplay);
    RememberSustainableAge(*m_pWhatIf, m_settings);
    LetWheelPassUnfocusedControls(*m_pWhatIf);
    // The pane is taller than a small window has room for beside Year Details: it scrolls.
    m_whatIfDock = addPane(QStringLiteral("What If"), "whatIfDock", *m_pWhatIf, true);
    // The chart draws the variant while the pane that sets it is open.
    const auto showVariant = [this] {
        m_pChart->ShowVariant(m_whatIfDock->isHidden() ? std::nullopt : m_pWhatIf->Variant());
    };
    connect(m_pWhatIf, &WhatIfPane::variantChanged, this, showVariant);
    connect(m_whatIfDock, &QDockWidget::visibilityChanged, this, showVariant);
}

void CMainFrame::createRisk() {
    m_pRisk = new RiskPane;
    RememberRiskInputs(*m_pRisk, m_settings);
    LetWheelPassUnfocusedControls(*m_pRisk);
    m_riskDock = addPane(QStringLiteral("Risk"), "riskDock", *m_pRisk, true);
    // The chart draws the band and the path, and Year Details explains the path, while the
    // pane is open.
    const auto showRisk = [this] {
        const bool open = !m_riskDock->isHidden();
        const std::optional<ShownRiskPath>& path = m_pRisk->Path();
        const bool withPath = open && path.has_value();
        m_pChart->ShowRisk(open ? m_pRisk->Band() : std::vector<RiskYear>{},
                           withPath ? std::optional(path->table) : std::nullopt,
                           withPath ? path->name : QString());
        m_pYearDetails->ExplainPath(withPath ? std::optional(path->offsets) : std::nullopt,
                                    withPath ? path->name : QString());
    };
    connect(m_pRisk, &RiskPane::riskChanged, this, showRisk);
    connect(m_riskDock, &QDockWidget::visibilityChanged, this, showRisk);
}

void CMainFrame::createScenarios() {
    m_pScenarios = new ScenariosPane;
    m_scenariosDock = addPane(QStringLiteral("Scenarios"), "scenariosDock", *m_pScenarios, true);
    // The scenarios run on the paths the Risk pane draws.
    const auto followRisk = [this] {
        if (const std::optional<RiskSettings> inputs = m_pRisk->Inputs())
            m_pScenarios->SetRiskSettings(*inputs);
    };
    followRisk();
    connect(m_pRisk, &RiskPane::inputsChanged, this, followRisk);
    // The chart draws each scenario's Total Assets while the pane is open.
    const auto showScenarios = [this] {
        std::vector<ChartScenario> lines;
        if (!m_scenariosDock->isHidden()) {
            const std::vector<std::string> names = m_pScenarios->Names();
            for (std::size_t i = 0; i < m_pScenarios->Scenarios().size(); ++i)
                lines.push_back(
                    {QString::fromStdString(names[i + 1]), m_pScenarios->Scenarios()[i].table});
        }
        m_pChart->ShowScenarios(lines);
    };
    connect(m_pScenarios, &ScenariosPane::scenariosChanged, this, [this, showScenarios] {
        m_scenariosDock->show();
        m_scenariosDock->raise();
        showScenarios();
    });
    connect(m_scenariosDock, &QDockWidget::visibilityChanged, this, showScenarios);
    connect(
        m_pWhatIf, &WhatIfPane::keepAsScenarioClicked, this,
        [this] { OnKeepAsScenario(m_document, *m_pWhatIf, *m_pScenarios, m_ui); });
    connect(m_pRisk, &RiskPane::keepGoalAsScenarioClicked, this,
            [this] { OnKeepGoalAsScenario(m_document, *m_pRisk, *m_pScenarios, m_ui); });
}

void CMainFrame::placePanes() {
    // What If and Risk both answer what could happen: they take turns in one place.
    tabifyDockWidget(m_whatIfDock, m_riskDock);
    tabifyDockWidget(m_whatIfDock, m_scenariosDock);
    // A screen with less room than the window wants: all the panes share one place as tabs,
    // so each keeps its height and they take one width from the list, not three.
    if (size() != kDefaultSize) {
        tabifyDockWidget(m_yearDetailsDock, m_whatIfDock);
        tabifyDockWidget(m_yearDetailsDock, m_riskDock);
        tabifyDockWidget(m_yearDetailsDock, m_scenariosDock);
    }
    // The panes first show at two fifths of the width, so that the list and the chart keep
    // room to be read; the user may widen them from there. Year Details over the pane shown
    // below it leaves that taller pane three fifths of the height.
    const bool stacked = size() == kDefaultSize;
    for (QDockWidget* dock : {m_yearDetailsDock, m_whatIfDock, m_riskDock, m_scenariosDock})
        connect(
            dock, &QDockWidget::visibilityChanged, this,
            [this, dock, stacked](bool visible) {
                if (!visible)
                    return;
                resizeDocks({dock}, {width() * 2 / 5}, Qt::Horizontal);
                if (!stacked || !m_yearDetailsDock->isVisible())
                    return;
                for (QDockWidget* below : {m_whatIfDock, m_riskDock, m_scenariosDock})
                    if (below->isVisible())
                        resizeDocks({m_yearDetailsDock, below},
                                    {height() * 2 / 5, height() * 3 / 5}, Qt::Vertical);
            },
            Qt::SingleShotConnection);
}

void CMainFrame::followListSelection() {
    // The list's selected row is the year that the chart marks and the pane explains.
    connect(m_pView, &CTessalyView::selectedYearChanged, this,
            [this](std::optional<std::int32_t> year) {
                m_pChart->HighlightYear(year);
                m_pYearDetails->ShowYear(year);
            });
    connect(m_pView, &QTreeWidget::itemActivated, this, &CMainFrame::ShowYearDetails);
    connect(m_pChart, &ProjectionChart::yearChosen, this, [this](std::int32_t year) {
        m_pView->SelectYear(year);
        // A year of the risk path beyond the list's rows: the chart and the pane show it alone.
        if (m_pChart->HighlightedYear() != year) {
            m_pChart->HighlightYear(year);
            m_pYearDetails->ShowYear(year);
        }
    });
}

void CMainFrame::ShowYearDetails() {
    m_yearDetailsDock->show();
    m_yearDetailsDock->raise();
}

void CMainFrame::createActions() {
    connect(
        m_actions[CommandId::FileNew], &QAction::triggered, this,
        [this] { m_manager.OnFileNew(); });
    connect(
        m_actions[CommandId::FileNewFromQuestions], &QAction::triggered, this,
        [this] { NewPlanFromQuestions(this, m_document, m_manager, m_ui); });
    connect(
        m_actions[CommandId::FileOpen], &QAction::triggered, this,
        [this] { m_manager.OnFileOpen(); });
    connect(
        m_actions[CommandId::FileSave], &QAction::triggered, this,
        [this] { m_manager.OnFileSave(); });
    connect(
        m_actions[CommandId::FileSaveAs], &QAction::triggered, this,
        [this] { m_manager.OnFileSaveAs(); });
    connect(m_actions[CommandId::FileCompareWith], &QAction::triggered, this,
            [this] { OnCompareWith(*m_pScenarios, m_ui); });
    const std::vector<QAction*> recentFiles = RecentFileEntries(m_actions);
    for (std::size_t index = 0; index < recentFiles.size(); ++index) {
        connect(
            recentFiles[index], &QAction::triggered, this,
            [this, index] { m_manager.OpenRecentFile(index); });
    }
    connect(m_actions[CommandId::FileExportCsv], &QAction::triggered, this,
            [this] { ShowExported(ExportProjectionCsv(m_document, m_ui)); });
    connect(m_actions[CommandId::FileExportPdf], &QAction::triggered, this, [this] {
        // The report summarises the risk run the pane shows, to the age What If asks about.
        ReportRequest request{
            m_pWhatIf->Age(), m_riskDock->isHidden() ? std::nullopt : m_pRisk->Summary(),
            std::nullopt, m_riskDock->isHidden() ? std::nullopt : m_pRisk->Goal()};
        // And compares the scenarios the pane shows.
        if (!m_scenariosDock->isHidden() && m_pScenarios->Comparison())
            request.scenarios = ReportScenarios{m_pScenarios->Names(), *m_pScenarios->Comparison()};
        ShowExported(ExportReportPdf(m_document, *m_moneyDisplay, request, m_ui));
    });
    // An export writes what the list shows: before a projection there is nothing to write.
    const auto enableExports = [this] {
        const bool shown = m_document.ShownResults().rowCount > 0;
        m_actions[CommandId::FileExportCsv]->setEnabled(shown);
        m_actions[CommandId::FileExportPdf]->setEnabled(shown);
    };
    enableExports();
    connect(m_pView, &CTessalyView::rowsReplaced, this, enableExports);
    connect(m_actions[CommandId::AppExit], &QAction::triggered, this, &QWidget::close);

    QAction* chart = m_actions[CommandId::ViewChart];
    chart->setChecked(true);
    connect(chart, &QAction::toggled, m_pChart, &QWidget::setVisible);
    for (const auto& [command, dock] : {std::pair{CommandId::ViewYearDetails, m_yearDetailsDock},
                                        std::pair{CommandId::ViewWhatIf, m_whatIfDock},
                                        std::pair{CommandId::ViewRisk, m_riskDock},
                                        std::pair{CommandId::ViewScenarios, m_scenariosDock}})
        toggleWithAction(*dock, *m_actions[command]);
    connect(m_actions[CommandId::EditGeneralData], &QAction::triggered, m_pView,
            &CTessalyView::OnEditGeneralData);
    connect(m_actions[CommandId::EditExpenses], &QAction::triggered, m_pView,
            &CTessalyView::OnEditExpenses);
    connect(m_actions[CommandId::EditIncome], &QAction::triggered, m_pView,
            &CTessalyView::OnEditIncome);
    connect(m_actions[CommandId::EditCalculate], &QAction::triggered, m_pView,
            &CTessalyView::OnCalculate);
    connect(m_actions[CommandId::ToolbarCalculate], &QAction::triggered, m_pView,
            &CTessalyView::OnCalculate);
    connect(m_actions[CommandId::RunCalculator], &QAction::triggered, m_pView,
            &CTessalyView::OnRunCalculator);
    connect(m_actions[CommandId::AppAbout], &QAction::triggered, this, &CMainFrame::OnAppAbout);

    QAction* help = m_actions[CommandId::Help];
    // F1 reaches the help from every window of the program, open menus included.
    help->setShortcutContext(Qt::ApplicationShortcut);
    connect(
        help, &QAction::triggered, this, [this] { m_ui.ShowHelp(); });
    connect(m_actions[CommandId::HelpExamplePlan], &QAction::triggered, this, [this] {
        OpenExamplePlan(QCoreApplication::applicationDirPath().toStdString(), m_manager, m_ui);
    });
    QApplication::instance()->installEventFilter(new HelpKeyFilter(*help, this));
}

void CMainFrame::toggleWithAction(QDockWidget& dock, QAction& action) {
    connect(&action, &QAction::toggled, &dock, &QWidget::setVisible);
    // A pane shown by its command comes to the front where the panes share one place as tabs.
    connect(&action, &QAction::triggered, &dock, [&dock](bool on) {
        if (on)
            dock.raise();
    });
    // The pane can also be closed on its own title bar; the check mark follows it.
    connect(&dock, &QDockWidget::visibilityChanged, this,
            [&dock, &action] { action.setChecked(!dock.isHidden()); });
}

QMenu* CMainFrame::addMenu(const char* objectName, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

void CMainFrame::createMenus() {
    QMenu* file = addMenu("menuFile", QStringLiteral("&File"));
    file->addAction(m_actions[CommandId::FileNew]);
    file->addAction(m_actions[CommandId::FileNewFromQuestions]);
    file->addAction(m_actions[CommandId::FileOpen]);
    file->addAction(m_actions[CommandId::FileSave]);
    file->addAction(m_actions[CommandId::FileSaveAs]);
    file->addAction(m_actions[CommandId::FileCompareWith]);
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("menuExport"));
    exports->menuAction()->setObjectName(QStringLiteral("menuExport"));
    exports->addAction(m_actions[CommandId::FileExportCsv]);
    exports->addAction(m_actions[CommandId::FileExportPdf]);
    file->addSeparator();
    file->addAction(m_actions[CommandId::FilePrint]);
    file->addAction(m_actions[CommandId::FilePrintPreview]);
    file->addAction(m_actions[CommandId::FilePrintSetup]);
    file->addSeparator();
    for (QAction* entry : RecentFileEntries(m_actions))
        file->addAction(entry);
    file->addSeparator();
    file->addAction(m_actions[CommandId::AppExit]);
    connect(file, &QMenu::aboutToShow, this, [this] { m_recentFileMenu.Update(); });

    QMenu* edit = addMenu("menuEdit", QStringLiteral("&Edit"));
    edit->addAction(m_actions[CommandId::EditUndo]);
    edit->addSeparator();
    edit->addAction(m_actions[CommandId::EditCut]);
    edit->addAction(m_actions[CommandId::EditCopy]);
    edit->addAction(m_actions[CommandId::EditPaste]);
    edit->addSeparator();
    edit->addAction(m_actions[CommandId::EditGeneralData]);
    edit->addAction(m_actions[CommandId::EditExpenses]);
    edit->addAction(m_actions[CommandId::EditIncome]);
    edit->addSeparator();
    edit->addAction(m_actions[CommandId::EditCalculate]);

    QMenu* view = addMenu("menuView", QStringLiteral("&View"));
    view->addAction(m_actions[CommandId::ViewToolbar]);
    view->addAction(m_actions[CommandId::ViewStatusBar]);
    view->addSeparator();
    view->addAction(m_actions[CommandId::ViewChart]);
    view->addAction(m_actions[CommandId::ViewYearDetails]);
    view->addAction(m_actions[CommandId::ViewWhatIf]);
    view->addAction(m_actions[CommandId::ViewRisk]);
    view->addAction(m_actions[CommandId::ViewScenarios]);

    QMenu* help = addMenu("menuHelp", QStringLiteral("&Help"));
    help->addAction(m_actions[CommandId::Help]);
    help->addAction(m_actions[CommandId::HelpExamplePlan]);
    help->addSeparator();
    help->addAction(m_actions[CommandId::AppAbout]);
}

void CMainFrame::createToolBars() {
    m_toolBar = addToolBar(QStringLiteral("Standard"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    m_toolBar->addAction(m_actions[CommandId::FileNew]);
    m_toolBar->addAction(m_actions[CommandId::FileOpen]);
    m_toolBar->addAction(m_actions[CommandId::FileSave]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions[CommandId::EditCut]);
    m_toolBar->addAction(m_actions[CommandId::EditCopy]);
    m_toolBar->addAction(m_actions[CommandId::EditPaste]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions[CommandId::FilePrint]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions[CommandId::AppAbout]);
    m_toolBar->addAction(m_actions[CommandId::ContextHelp]);
    m_toolBar->addAction(m_actions[CommandId::ToolbarCalculate]);
    m_toolBar->addAction(m_actions[CommandId::RunCalculator]);
    // The calculator is in no menu and has no shortcut: Tab must reach its button.
    m_toolBar->widgetForAction(m_actions[CommandId::RunCalculator])->setFocusPolicy(Qt::TabFocus);

    QAction* toggle = m_actions[CommandId::ViewToolbar];
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_toolBar, &QToolBar::setVisible);
    // The toolbar can also be closed while it floats; the check mark follows it.
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

QLabel* CMainFrame::createIndicator(const char* objectName, const QString& text) {
    auto* indicator = new QLabel(text, statusBar());
    indicator->setObjectName(QString::fromLatin1(objectName));
    indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    // Qt cannot tell the state of the lock keys, so the panes show dimmed rather than guess.
    indicator->setEnabled(false);
    return indicator;
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    // A command's prompt hides this text while it shows; it comes back when the prompt goes.
    bar->addWidget(new QLabel(QStringLiteral("For Help, press F1"), bar), 1);
    bar->addPermanentWidget(createIndicator("ID_INDICATOR_CAPS", QStringLiteral("CAP")));
    bar->addPermanentWidget(createIndicator("ID_INDICATOR_NUM", QStringLiteral("NUM")));
    bar->addPermanentWidget(createIndicator("ID_INDICATOR_SCRL", QStringLiteral("SCRL")));

    QAction* toggle = m_actions[CommandId::ViewStatusBar];
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::ShowExported(const std::optional<std::string>& path) {
    if (path)
        statusBar()->showMessage(QStringLiteral("Written to %1").arg(NameForDisplay(*path)));
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnDocumentTitleChanged() {
    // "[*]" is where Qt shows the mark of unsaved changes.
    const std::string& title = m_document.GetTitle();
    if (title.empty())
        setWindowTitle(ApplicationName() + QStringLiteral("[*]"));
    else
        setWindowTitle(NameForDisplay(title) + QStringLiteral("[*] - ") + ApplicationName());
}

void CMainFrame::OnDocumentModifiedChanged() {
    setWindowModified(m_document.IsModified());
}
