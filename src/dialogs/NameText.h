#pragma once

#include <QString>

#include <string>

// An item name as the editor shows it, by the rule every edition shows names by.
QString NameForDisplay(const std::string& bytes);

// The bytes to store for the edited text: the stored bytes exactly when the user left the
// shown text alone, so legacy names survive; a changed name as UTF-8.
std::string NameFromEdit(const QString& text, const std::string& stored);
