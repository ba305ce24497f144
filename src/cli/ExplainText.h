#pragma once

#include "report/YearExplanation.h"

#include <cstdint>
#include <string>
#include <vector>

// Year Details' lines laid out as text: two spaces of indent a depth, the amounts right-aligned
// in one column after the labels, a sentence on its own line. LF line ends.
std::string LayOutExplanation(const std::vector<ExplanationLine>& lines);

// How explain writes numbers inside the lines: amounts grouped as "-1,234,567", rates with up
// to six significant digits.
ExplanationText CliExplanationText();
