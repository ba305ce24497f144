#pragma once

class CMainFrame;
class SettingsStore;

// The main window's size, position, toolbar and dock layout, the list/chart splitter and
// whether the chart shows, between runs: kept in the settings group "Window", apart from the
// recent-file list.

// Call once every toolbar and dock exists, before the window shows. A position that fits
// no screen any more is moved onto one; missing values keep the window's defaults.
void RestoreWindowLayout(CMainFrame& frame, const SettingsStore& settings);
void SaveWindowLayout(const CMainFrame& frame, SettingsStore& settings);
