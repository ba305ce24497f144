#pragma once

#include <QKeySequence>
#include <QList>

#include <vector>

enum class CommandState { Enabled, Disabled, Checkable };

// One command of the program's vocabulary: its id, its menu text (or, outside the menus, its
// short name), its accelerators, its prompt ("status bar prompt\ntooltip") and its picture,
// a theme icon with a bundled fallback or the bundled picture alone.
struct Command {
    const char* id = nullptr;
    const char* text = nullptr;
    QList<QKeySequence> shortcuts = {};
    const char* prompt = nullptr;
    const char* themeIcon = nullptr;
    const char* iconFile = nullptr;
    CommandState state = CommandState::Enabled;
};

// Every command, in the order of the command table.
std::vector<Command> CommandTable();
