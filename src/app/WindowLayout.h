#pragma once

class QMainWindow;
class SettingsStore;

// The main window's size, position and toolbar and dock layout between runs, kept in the
// settings group "Window", apart from the recent-file list.

// Call once every toolbar and dock exists, before the window shows. A position that fits
// no screen any more is moved onto one.
void RestoreWindowLayout(QMainWindow& window, const SettingsStore& settings);
void SaveWindowLayout(const QMainWindow& window, SettingsStore& settings);
