#pragma once

#include <map>
#include <string>
#include <string_view>

class QAction;
class QWidget;

// One action per command of the command table, owned by the window and added to it, so that
// their shortcuts work wherever the actions are shown. Each is named by its command id.
class CommandActions {
public:
    explicit CommandActions(QWidget& window);

    // The action of a command id of the table; throws std::out_of_range for any other id.
    QAction* operator[](std::string_view id) const;

private:
    std::map<std::string, QAction*, std::less<>> m_actions;
};
