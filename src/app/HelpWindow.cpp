#include "app/HelpWindow.h"

#include "app/AppIcon.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr QSize kDefaultSize(720, 560);

QUrl ContentsPage() {
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Orbelan Help"));
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    setWindowIcon(OrbelanIcon());
    // The help never keeps the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kDefaultSize);

    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* back = toolBar->addAction(QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
    QAction* forward =
        toolBar->addAction(QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    toolBar->addAction(QStringLiteral("Contents"), m_browser, &QTextBrowser::home);
    // Esc and Ctrl+W close the help as they close any viewer window on the desktop.
    auto* closeHelp = new QAction(QStringLiteral("Close"), this);
    closeHelp->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeHelp, &QAction::triggered, this, &QWidget::close);
    addAction(closeHelp);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_browser);
}

void HelpWindow::ShowContents() {
    m_browser->setSource(ContentsPage());
    // A window whose transient parent is the modal dialog is not blocked by it.
    const QWidget* modal = QApplication::activeModalWidget();
    winId();
    windowHandle()->setTransientParent(modal != nullptr ? modal->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
}
