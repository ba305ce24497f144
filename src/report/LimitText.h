#pragma once

#include <cstdint>
#include <string>

// How every sentence names the year a projection stopped at the 32-bit limit, in UTF-8: the
// window, the CLI, the PDF report and the browser all build their sentences on these words.

// "the calculation limit in 2040"
std::string CalculationLimitIn(std::int32_t year);

// "the projection stops at the calculation limit in 2040", inside a sentence.
std::string ProjectionStopsAt(std::int32_t year);

// "The projection stops at the calculation limit in 2040", on its own.
std::string LimitStopText(std::int32_t year);

// What is said when a projection stops at the limit, on its own: "The projection stops at the
// calculation limit in 2040: the amounts of that year are larger than 2147483647 or smaller
// than -2147483648, which this program cannot calculate exactly."
std::string LimitMessage(std::int32_t year);

// "the projection has no year 2040: it stops at the calculation limit in 2026, its first
// year", inside a sentence, for a year asked of a projection that stopped before any row.
std::string NoYearBeforeLimitText(std::int32_t asked, std::int32_t stopped);
