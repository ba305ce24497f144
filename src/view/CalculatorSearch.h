#pragma once

#include <QString>

// The path of the first calculator found in the folders of a PATH value: the Windows
// calculator first, then the usual Linux desktop calculators. Relative folders, which would
// reach into the current folder, are skipped. Empty when there is none.
QString FindCalculator(const QString& searchPath);
