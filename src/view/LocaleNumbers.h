#pragma once

#include "report/NumberWords.h"

// The numbers inside the report's sentences as the window shows numbers: in the locale's digit
// grouping and decimal sign.
NumberWords LocaleNumbers();
