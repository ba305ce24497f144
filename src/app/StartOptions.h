#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// The program's name and version as every part of it shows them, from the build's version.
void SetApplicationIdentity();

// Answers --help and --version, which print and end the program before a display is looked
// for. The arguments include the program name; the plan file and any other option are left
// to the start-up. The text to print, or nothing when the program is to start.
std::optional<QString> AnswerWithoutWindow(const QStringList& arguments);

// The arguments after the program name as the bytes given, to be taken once QApplication has
// removed the options it reads from argv: a file name need not be UTF-8, and Qt's decoding
// of it would name another file.
std::vector<std::string> ArgumentsAfterProgramName(int argc, const char* const* argv);
