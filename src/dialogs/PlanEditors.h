#pragma once

#include "dialogs/DialogRunner.h"

#include <QString>

#include <cstdint>

class Plan;
class QWidget;
class UiServices;

// The view's Edit commands. Each runs its dialog on the document's plan in place; run is
// how the dialog is run, modally unless a test works it. Each returns true when the view is
// to mark the document modified.

// field, when given, is the field to open the dialog at, by its object name: the item dialogs
// then open editing the item at index.

// True when the user accepted, even if nothing changed.
bool EditGeneralData(QWidget* parent, Plan& plan, UiServices& ui,
                     const DialogRunner& run = RunModal, const QString& field = {});

// planReplaced is the document's flag that New or Open set; index is the view's index into
// the list, kept from one use to the next. True when the plan changed.
bool EditIncome(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                UiServices& ui, const DialogRunner& run = RunModal, const QString& field = {});
bool EditExpenses(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                  UiServices& ui, const DialogRunner& run = RunModal, const QString& field = {});
