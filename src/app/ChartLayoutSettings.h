#pragma once

class CMainFrame;
class SettingsStore;

// The settings group of the window layout, beside "Recent File List".
inline constexpr const char* kWindowSection = "Window";

// Puts back where the user left the list/chart splitter and whether the chart shows;
// missing values keep the window's defaults.
void RestoreChartLayout(const SettingsStore& settings, CMainFrame& frame);
void SaveChartLayout(SettingsStore& settings, const CMainFrame& frame);
