#pragma once

#include <QSize>

class QAction;
class QMainWindow;
class QSplitter;
class QWidget;
class SettingsStore;

// The parts of the main window whose layout is kept: the list/chart splitter and the action
// that shows the chart.
struct WindowLayoutParts {
    QMainWindow& window;
    QSplitter& splitter;
    QAction& showChart;
};

// The main window's size, position, toolbar and dock layout, the list/chart splitter and
// whether the chart shows, between runs: kept in the settings group "Window", apart from the
// recent-file list.

// The size a window opens at when no layout is kept: the wanted size, made smaller where the
// screen it opens on has less room, with a tenth of the room kept for the window's frame.
QSize FirstWindowSize(const QWidget& window, QSize wanted);

// Call once every toolbar and dock exists, before the window shows. A position that fits
// no screen any more is moved onto one; missing values keep the window's defaults.
void RestoreWindowLayout(const WindowLayoutParts& parts, const SettingsStore& settings);
void SaveWindowLayout(const WindowLayoutParts& parts, SettingsStore& settings);
