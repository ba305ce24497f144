#pragma once

#include "model/Risk.h"
#include "report/NumberWords.h"
#include "report/YearExplanation.h"

#include <string>

// How sure the plan is over the run's paths, in the Risk pane's words, with the inputs that make
// the run reproducible: "The money lasts to age 95 in 381 of 1,000 paths: 38.1 % (returns
// varying by a spread of 10 points, seed 1)."
// The numbers inside the report's sentences, as its amounts write them.
NumberWords ReportNumbers(const ExplanationText& text);

std::string RiskReportSentence(const RiskSummary& summary, const ExplanationText& text);
