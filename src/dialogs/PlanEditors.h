#pragma once

#include "dialogs/DialogRunner.h"

#include <cstdint>
#include <functional>

class Plan;
class QWidget;
class UiServices;

// The view's Edit commands. Each runs its dialog on the document's plan in place; run is
// how the dialog is run, modally unless a test works it.

// True when the user accepted, even if nothing changed: the view then marks the document
// modified.
bool EditGeneralData(QWidget* parent, Plan& plan, UiServices& ui,
                     const DialogRunner& run = RunModal);

// planReplaced is the document's flag that New or Open set; index is the view's index into
// the list, kept from one use to the next. markModified is called when the plan changed.
void EditIncome(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                UiServices& ui, const std::function<void()>& markModified,
                const DialogRunner& run = RunModal);
void EditExpenses(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                  UiServices& ui, const std::function<void()>& markModified,
                  const DialogRunner& run = RunModal);
