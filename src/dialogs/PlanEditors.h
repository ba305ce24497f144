#pragma once

#include "dialogs/DialogRunner.h"

#include <cstdint>

class Plan;
class QWidget;
class UiServices;

// The view's Edit commands. Each runs its dialog on the document's plan in place; run is
// how the dialog is run, modally unless a test works it. Each returns true when the view is
// to mark the document modified.

// True when the user accepted, even if nothing changed.
bool EditGeneralData(QWidget* parent, Plan& plan, UiServices& ui,
                     const DialogRunner& run = RunModal);

// planReplaced is the document's flag that New or Open set; index is the view's index into
// the list, kept from one use to the next. True when the plan changed.
bool EditIncome(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                UiServices& ui, const DialogRunner& run = RunModal);
bool EditExpenses(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                  UiServices& ui, const DialogRunner& run = RunModal);
