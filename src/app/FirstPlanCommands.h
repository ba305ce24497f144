#pragma once

#include "dialogs/DialogRunner.h"

#include <optional>
#include <string>

class CTessalyDoc;
class DocumentManager;
class QWidget;
class UiServices;

// The commands that give a newcomer a first plan that makes sense.

// File > New Plan from Questions...: asks the questions, then starts a new plan as File > New
// does (asking first whether to save the current one) and fills it from the answers, projected.
void NewPlanFromQuestions(QWidget* parent, CTessalyDoc& document, DocumentManager& manager,
                          UiServices& ui, const DialogRunner& run = RunModal);

// The household example where the program's installation keeps it, beside its own folder:
// PROGRAM_FOLDER/../share/orbelan/examples/household.Orbe. Empty when it is not there.
std::optional<std::string> FindExamplePlan(const std::string& programFolder);

// Help > Open the Example Plan: opens the example found beside the program as File > Open
// would, or says where it was looked for.
void OpenExamplePlan(const std::string& programFolder, DocumentManager& manager, UiServices& ui);
