#include "app/CommandActions.h"

#include <QAction>
#include <QIcon>
#include <QWidget>

namespace {

QIcon CommandIcon(const Command& command) {
    if (command.iconFile == nullptr)
        return {};
    const QIcon bundled(QString::fromLatin1(command.iconFile));
    if (command.themeIcon == nullptr)
        return bundled;
    return QIcon::fromTheme(QString::fromLatin1(command.themeIcon), bundled);
}

QAction* CreateAction(const Command& command, QWidget& window) {
    auto* action = new QAction(CommandIcon(command), QString::fromLatin1(command.text), &window);
    action->setObjectName(QString::fromLatin1(command.id));
    action->setShortcuts(command.shortcuts);
    // The prompt holds the status bar text, then after a line feed the tooltip.
    const QString prompt = QString::fromLatin1(command.prompt);
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    if (prompt.contains(QLatin1Char('\n')))
        action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    action->setEnabled(command.state != CommandState::Disabled);
    action->setCheckable(command.state == CommandState::Checkable);
    window.addAction(action);
    return action;
}

} // namespace

CommandActions::CommandActions(QWidget& window) {
    for (const Command& command : CommandTable())
        m_actions[static_cast<std::size_t>(command.command)] = CreateAction(command, window);
}
