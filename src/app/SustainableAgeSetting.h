#pragma once

class SettingsStore;
class WhatIfPane;

// The age the What If pane works sustainable spending out to, kept between runs in the
// settings group "What If": restored now, written at every change.
void RememberSustainableAge(WhatIfPane& pane, SettingsStore& settings);
