#pragma once

class CTessalyDoc;
class RiskPane;
class ScenariosPane;
class UiServices;
class WhatIfPane;

// File > Compare With...: a plan file the user chooses, added to the Scenarios pane.
void OnCompareWith(ScenariosPane& scenarios, UiServices& ui);

// What If's Keep as Scenario...: the variant the sliders make, saved as a plan file of its own
// under a name the user chooses, and added to the Scenarios pane. The open plan and its file
// never change: the open plan's own file is refused as the name.
void OnKeepAsScenario(const CTessalyDoc& document, const WhatIfPane& whatIf,
                      ScenariosPane& scenarios, UiServices& ui);

// The Risk pane's Keep as Scenario...: the plan at the spending found, kept in the same way.
void OnKeepGoalAsScenario(const CTessalyDoc& document, const RiskPane& risk,
                          ScenariosPane& scenarios, UiServices& ui);
