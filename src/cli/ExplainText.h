#pragma once

#include "report/YearExplanation.h"

#include <functional>
#include <ostream>

// Year Details' lines laid out as text onto out: two spaces of indent a depth, the amounts
// right-aligned in one column after the labels, a sentence on its own line. LF line ends.
// lines hands each line to the sink it is given, and is called twice: once to measure the
// columns, once to write, so that no more than one line is held at a time.
void WriteExplanation(const std::function<void(const ExplanationLineSink&)>& lines,
                      std::ostream& out);

// How explain writes numbers inside the lines: amounts grouped as "-1,234,567", rates with up
// to six significant digits.
ExplanationText CliExplanationText();
