#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/HelpKeyFilter.h"
#include "model/PlanDate.h"
#include "persist/CTessalyDoc.h"
#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"
#include "platform/UiServices.h"
#include "view/CTessalyView.h"
#include "view/MoneyDisplay.h"
#include "view/ProjectionChart.h"
#include "view/ProjectionExport.h"
#include "view/WhatIfPane.h"
#include "view/YearDetailsPane.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kToolBarIconSize = 16;
// Room for the five 100-pixel columns and a scroll bar, and the chart below them.
constexpr QSize kDefaultSize(760, 640);
constexpr int kChartMinimumHeight = 180;

QString ApplicationName() {
    return QStringLiteral("Orbelan");
}

std::vector<QAction*> RecentFileEntries(const CommandActions& actions) {
    std::vector<QAction*> entries;
    for (std::size_t index = 1; index <= kRecentFileCount; ++index)
        entries.push_back(actions["ID_FILE_MRU_FILE" + std::to_string(index)]);
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
    followListSelection();
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    resize(kDefaultSize);
    RestoreWindowLayout(LayoutParts(), m_settings);
    OnDocumentTitleChanged();
    m_document.AddObserver(*this);
}

CMainFrame::~CMainFrame() {
    m_document.RemoveObserver(*this);
    // The docks hide as the base window goes, when this frame is no more: their check marks
    // must not follow them then.
    m_yearDetailsDock->disconnect(this);
    m_whatIfDock->disconnect(this);
}

WindowLayoutParts CMainFrame::LayoutParts() {
    return {*this, *m_splitter, *m_actions["ID_VIEW_CHART"]};
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_manager.CanCloseFrame()) {
        event->ignore();
        return;
    }
    SaveWindowLayout(LayoutParts(), m_settings);
    event->accept();
}

void CMainFrame::createView() {
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("projectionSplitter"));
    m_splitter->setAccessibleName(QStringLiteral("Projection list and chart"));
    m_splitter->setChildrenCollapsible(false);
    m_pView = new CTessalyView(m_ui, m_splitter);
    m_pChart = new ProjectionChart(m_splitter);
    m_splitter->addWidget(m_pView);
    m_splitter->addWidget(m_pChart);
    m_pChart->setMinimumHeight(kChartMinimumHeight);
    // Half each to start with; the user moves the handle from there.
    m_splitter->setSizes({kDefaultSize.height() / 2, kDefaultSize.height() / 2});
    setCentralWidget(m_splitter);
    m_document.AddView(*m_pView);
    // The chart and the pane hear of the document after the list, and show what it shows.
    m_document.AddView(*m_pChart);
}

void CMainFrame::createYearDetails() {
    m_yearDetailsDock = new QDockWidget(QStringLiteral("Year Details"), this);
    m_yearDetailsDock->setObjectName(QStringLiteral("yearDetailsDock"));
    m_yearDetailsDock->setAccessibleName(QStringLiteral("Year Details"));
    m_pYearDetails = new YearDetailsPane(m_yearDetailsDock);
    m_yearDetailsDock->setWidget(m_pYearDetails);
    addDockWidget(Qt::RightDockWidgetArea, m_yearDetailsDock);
    m_yearDetailsDock->hide();
    m_document.AddView(*m_pYearDetails);
}

void CMainFrame::createWhatIf() {
    m_moneyDisplay = new MoneyDisplay(m_settings, CurrentLocalYear(), this);
    m_pChart->SetMoneyDisplay(*m_moneyDisplay);
    m_pYearDetails->SetMoneyDisplay(*m_moneyDisplay);
    m_whatIfDock = new QDockWidget(QStringLiteral("What If"), this);
    m_whatIfDock->setObjectName(QStringLiteral("whatIfDock"));
    m_whatIfDock->setAccessibleName(QStringLiteral("What If"));
    // The pane is taller than a small window has room for beside Year Details: it scrolls.
    auto* scroller = new QScrollArea(m_whatIfDock);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    m_pWhatIf = new WhatIfPane(scroller);
    m_pWhatIf->SetMoneyDisplay(*m_moneyDisplay);
    scroller->setWidget(m_pWhatIf);
    m_whatIfDock->setWidget(scroller);
    addDockWidget(Qt::RightDockWidgetArea, m_whatIfDock);
    m_whatIfDock->hide();
    m_document.AddView(*m_pWhatIf);
    // The chart draws the variant while the pane that sets it is open.
    const auto showVariant = [this] {
        m_pChart->ShowVariant(m_whatIfDock->isHidden() ? std::nullopt : m_pWhatIf->Variant());
    };
    connect(m_pWhatIf, &WhatIfPane::variantChanged, this, showVariant);
    connect(m_whatIfDock, &QDockWidget::visibilityChanged, this, showVariant);
}

void CMainFrame::followListSelection() {
    // The list's current row is the year that the chart marks and the pane explains.
    connect(m_pView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        std::optional<std::int32_t> year;
        if (current != nullptr)
            year = current->text(0).toInt();
        m_pChart->HighlightYear(year);
        m_pYearDetails->ShowYear(year);
    });
    connect(m_pView, &QTreeWidget::itemActivated, this, &CMainFrame::ShowYearDetails);
    connect(m_pChart, &ProjectionChart::yearChosen, this, [this](std::int32_t year) {
        const QList<QTreeWidgetItem*> rows =
            m_pView->findItems(QString::number(year), Qt::MatchExactly, 0);
        if (!rows.isEmpty()) {
            m_pView->setCurrentItem(rows.constFirst());
            m_pView->scrollToItem(rows.constFirst());
        }
    });
}

void CMainFrame::ShowYearDetails() {
    m_yearDetailsDock->show();
    m_yearDetailsDock->raise();
}

void CMainFrame::createActions() {
    connect(
        m_actions["ID_FILE_NEW"], &QAction::triggered, this, [this] { m_manager.OnFileNew(); });
    connect(
        m_actions["ID_FILE_OPEN"], &QAction::triggered, this, [this] { m_manager.OnFileOpen(); });
    connect(
        m_actions["ID_FILE_SAVE"], &QAction::triggered, this, [this] { m_manager.OnFileSave(); });
    connect(m_actions["ID_FILE_SAVE_AS"], &QAction::triggered, this,
            [this] { m_manager.OnFileSaveAs(); });
    const std::vector<QAction*> recentFiles = RecentFileEntries(m_actions);
    for (std::size_t index = 0; index < recentFiles.size(); ++index) {
        connect(
            recentFiles[index], &QAction::triggered, this,
            [this, index] { m_manager.OpenRecentFile(index); });
    }
    connect(
        m_actions["ID_FILE_EXPORT_CSV"], &QAction::triggered, this,
        [this] { ExportProjectionCsv(m_document, m_ui); });
    connect(m_actions["ID_FILE_EXPORT_PDF"], &QAction::triggered, this,
            [this] { ExportReportPdf(m_document, *m_moneyDisplay, m_ui); });
    connect(m_actions["ID_APP_EXIT"], &QAction::triggered, this, &QWidget::close);

    QAction* chart = m_actions["ID_VIEW_CHART"];
    chart->setChecked(true);
    connect(chart, &QAction::toggled, m_pChart, &QWidget::setVisible);
    QAction* details = m_actions["ID_VIEW_YEAR_DETAILS"];
    connect(details, &QAction::toggled, m_yearDetailsDock, &QWidget::setVisible);
    // The pane can also be closed on its own title bar; the check mark follows it.
    connect(m_yearDetailsDock, &QDockWidget::visibilityChanged, this,
            [this, details] { details->setChecked(!m_yearDetailsDock->isHidden()); });
    QAction* whatIf = m_actions["ID_VIEW_WHAT_IF"];
    connect(whatIf, &QAction::toggled, m_whatIfDock, &QWidget::setVisible);
    connect(m_whatIfDock, &QDockWidget::visibilityChanged, this,
            [this, whatIf] { whatIf->setChecked(!m_whatIfDock->isHidden()); });
    connect(m_actions["ID_EDIT_GENERAL_DATA"], &QAction::triggered, m_pView,
            &CTessalyView::OnEditGeneralData);
    connect(m_actions["ID_EDIT_EXPENSES"], &QAction::triggered, m_pView,
            &CTessalyView::OnEditExpenses);
    connect(m_actions["ID_EDIT_INCOME"], &QAction::triggered, m_pView, &CTessalyView::OnEditIncome);
    connect(m_actions["ID_EDIT_CALCULATE"], &QAction::triggered, m_pView,
            &CTessalyView::OnCalculate);
    connect(m_actions["ID_TOOLBAR_CALCULATE"], &QAction::triggered, m_pView,
            &CTessalyView::OnCalculate);
    connect(m_actions["ID_RUN_CALCULATOR"], &QAction::triggered, m_pView,
            &CTessalyView::OnRunCalculator);
    connect(m_actions["ID_APP_ABOUT"], &QAction::triggered, this, &CMainFrame::OnAppAbout);

    QAction* help = m_actions["ID_HELP"];
    // F1 reaches the help from every window of the program, open menus included.
    help->setShortcutContext(Qt::ApplicationShortcut);
    connect(help, &QAction::triggered, this, [this] { m_ui.ShowHelp(); });
    QApplication::instance()->installEventFilter(new HelpKeyFilter(*help, this));
}

QMenu* CMainFrame::addMenu(const char* objectName, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

void CMainFrame::createMenus() {
    QMenu* file = addMenu("menuFile", QStringLiteral("&File"));
    file->addAction(m_actions["ID_FILE_NEW"]);
    file->addAction(m_actions["ID_FILE_OPEN"]);
    file->addAction(m_actions["ID_FILE_SAVE"]);
    file->addAction(m_actions["ID_FILE_SAVE_AS"]);
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("menuExport"));
    exports->menuAction()->setObjectName(QStringLiteral("menuExport"));
    exports->addAction(m_actions["ID_FILE_EXPORT_CSV"]);
    exports->addAction(m_actions["ID_FILE_EXPORT_PDF"]);
    file->addSeparator();
    file->addAction(m_actions["ID_FILE_PRINT"]);
    file->addAction(m_actions["ID_FILE_PRINT_PREVIEW"]);
    file->addAction(m_actions["ID_FILE_PRINT_SETUP"]);
    file->addSeparator();
    for (QAction* entry : RecentFileEntries(m_actions))
        file->addAction(entry);
    file->addSeparator();
    file->addAction(m_actions["ID_APP_EXIT"]);
    connect(file, &QMenu::aboutToShow, this, [this] { m_recentFileMenu.Update(); });

    QMenu* edit = addMenu("menuEdit", QStringLiteral("&Edit"));
    edit->addAction(m_actions["ID_EDIT_UNDO"]);
    edit->addSeparator();
    edit->addAction(m_actions["ID_EDIT_CUT"]);
    edit->addAction(m_actions["ID_EDIT_COPY"]);
    edit->addAction(m_actions["ID_EDIT_PASTE"]);
    edit->addSeparator();
    edit->addAction(m_actions["ID_EDIT_GENERAL_DATA"]);
    edit->addAction(m_actions["ID_EDIT_EXPENSES"]);
    edit->addAction(m_actions["ID_EDIT_INCOME"]);
    edit->addSeparator();
    edit->addAction(m_actions["ID_EDIT_CALCULATE"]);

    QMenu* view = addMenu("menuView", QStringLiteral("&View"));
    view->addAction(m_actions["ID_VIEW_TOOLBAR"]);
    view->addAction(m_actions["ID_VIEW_STATUS_BAR"]);
    view->addSeparator();
    view->addAction(m_actions["ID_VIEW_CHART"]);
    view->addAction(m_actions["ID_VIEW_YEAR_DETAILS"]);
    view->addAction(m_actions["ID_VIEW_WHAT_IF"]);

    QMenu* help = addMenu("menuHelp", QStringLiteral("&Help"));
    help->addAction(m_actions["ID_HELP"]);
    help->addSeparator();
    help->addAction(m_actions["ID_APP_ABOUT"]);
}

void CMainFrame::createToolBars() {
    m_toolBar = addToolBar(QStringLiteral("Standard"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    m_toolBar->addAction(m_actions["ID_FILE_NEW"]);
    m_toolBar->addAction(m_actions["ID_FILE_OPEN"]);
    m_toolBar->addAction(m_actions["ID_FILE_SAVE"]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions["ID_EDIT_CUT"]);
    m_toolBar->addAction(m_actions["ID_EDIT_COPY"]);
    m_toolBar->addAction(m_actions["ID_EDIT_PASTE"]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions["ID_FILE_PRINT"]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions["ID_APP_ABOUT"]);
    m_toolBar->addAction(m_actions["ID_CONTEXT_HELP"]);
    m_toolBar->addAction(m_actions["ID_TOOLBAR_CALCULATE"]);
    m_toolBar->addAction(m_actions["ID_RUN_CALCULATOR"]);
    // The calculator is in no menu and has no shortcut: Tab must reach its button.
    m_toolBar->widgetForAction(m_actions["ID_RUN_CALCULATOR"])->setFocusPolicy(Qt::TabFocus);

    QAction* toggle = m_actions["ID_VIEW_TOOLBAR"];
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

    QAction* toggle = m_actions["ID_VIEW_STATUS_BAR"];
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnDocumentTitleChanged() {
    const std::string& title = m_document.GetTitle();
    if (title.empty())
        setWindowTitle(ApplicationName());
    else
        setWindowTitle(QString::fromStdString(title) + QStringLiteral(" - ") + ApplicationName());
}
