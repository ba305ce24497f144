#pragma once

#include <QObject>

class QAction;

// Sends F1, pressed without Shift, Ctrl or Alt in any window of the program, to the help
// command, also where that command's own shortcut cannot reach: inside a modal dialog.
class HelpKeyFilter : public QObject {
    Q_OBJECT

public:
    HelpKeyFilter(QAction& help, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction& m_help;
};
