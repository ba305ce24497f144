#pragma once

#include <QString>

class QTemporaryDir;

// Writes an executable script that does nothing, and returns its path.
QString AddProgram(const QTemporaryDir& folder, const QString& name);
