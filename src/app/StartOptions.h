#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's name and version as every part of it shows them, from the build's version.
void SetApplicationIdentity();

// Answers --help and --version, which print and end the program before a display is looked
// for. The arguments include the program name; the plan file and any other option are left
// to the start-up. The text to print, or nothing when the program is to start.
std::optional<QString> AnswerWithoutWindow(const QStringList& arguments);
