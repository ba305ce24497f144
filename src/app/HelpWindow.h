#pragma once

#include <QWidget>

class QTextBrowser;

// The program's own help: its HTML pages in a browser window, one window for every call.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the contents page in front, above a modal dialog if one is open, so that a
    // dialog's help can be read while the dialog waits.
    void ShowContents();

private:
    QTextBrowser* m_browser;
};
