#pragma once

class RiskPane;
class SettingsStore;

// The Risk pane's spread, paths, seed and age, kept between runs in the settings group "Risk":
// restored now, written at every change, so that the same seed gives the same answer again.
void RememberRiskInputs(RiskPane& pane, SettingsStore& settings);
