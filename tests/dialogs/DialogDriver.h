#pragma once

#include "dialogs/DialogRunner.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QDateEdit;
class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

// Runs a dialog as a user would: shows and activates it, lets the steps click and type,
// and expects the steps to have closed it.
DialogRunner UserSteps(std::function<void(QDialog&)> steps);

QPushButton* Button(QDialog& dialog, const char* name);
QLineEdit* LineEdit(QDialog& dialog, const char* name);
QDateEdit* DateEdit(QDialog& dialog, const char* name);

void Click(QDialog& dialog, const char* name);
// Selects the field's whole text and types over it.
void Retype(QWidget* field, const QString& text);
void PressEnter(QDialog& dialog);
void PressEscape(QDialog& dialog);
// The object name of the focused control.
std::string FocusName();
// The object names of the controls that Tab visits from OK until OK comes back.
std::vector<std::string> TabCycle(QDialog& dialog);
