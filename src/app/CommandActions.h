#pragma once

#include "app/CommandTable.h"

#include <array>

class QAction;
class QWidget;

// One action per command of the command table, owned by the window and added to it, so that
// their shortcuts work wherever the actions are shown. Each is named by its command id.
class CommandActions {
public:
    explicit CommandActions(QWidget& window);

    QAction* operator[](CommandId command) const {
        return m_actions[static_cast<std::size_t>(command)];
    }

private:
    std::array<QAction*, kCommandCount> m_actions{};
};
