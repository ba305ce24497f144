#pragma once

#include "model/Plan.h"

#include <cstdint>

PlanDate MakeDate(std::int32_t year, std::int32_t month, std::int32_t day);

// Savings and a pension paying rent: six rows from 2000 to 2005.
Plan ProjectionExamplePlan();

// 1,000,000 untaxed at 60 % from 2024 and expenses of 1,000 a year, born 1960, retiring at 55
// in 2015: the balance about multiplies by 1.6 a year, so it ends 2039, its sixteenth year,
// near 1.6^16 million = 1.84e9, and 2040 would bring it near 2.95e9, past the 32-bit limit of
// 2.147e9. Expenses up to 10,000 a year move it by less than 3 %: every spending and the grid's
// whole +0 row stop at the limit in 2040.
Plan CalculationLimitPlan();

// Born 1950: 1000 in savings at 0 % from 2000, open for withdrawal, and spending of 100 a year
// from 2000 on: the savings pay 2000 to 2009 and 2010 is uncovered; at s % of the spending
// they last 1000 / s years.
Plan DrawdownPlan();

// The projection of ProjectionExamplePlan as CSV: the header and its six rows.
inline constexpr const char* kProjectionExampleCsv =
    "Year,Income,Total Assets,Available Assets,Withdrawals\n"
    "2000,1778,1778,1050,0\n"
    "2001,874,2652,1103,-600\n"
    "2002,53,2105,2105,-637\n"
    "2003,47,1515,1515,-750\n"
    "2004,25,790,790,-750\n"
    "2005,2,42,42,-608\n";

// One savings account and living costs: the 28-line, 214-byte file.
Plan FileExamplePlan();

// A plan file of 1,000,000 saved from 2025 with 30,000 a year more, and living costs of
// 50,000: a hundred years from 2025 to 2124, none of them short.
inline constexpr const char* kHundredYearPlanFile =
    "2052206848\n1 1 1990\n65\n1 1 2055\n30\n20\n1\nSavings\n0\n1000000\n1 1 2025\n30000\n"
    "1 1 2025\n31 12 2124\n2\n1 1 2025\n4\n4\n0\n1 1 2025\n1\nLiving costs\n0\n1 1 2025\n"
    "50000\n1 1 2025\n31 12 2124\n2\n";

// A plan file of 1,000,000 at 60 % interest and costs of 1,000: the amounts of 2016 leave
// 32 bits, so the projection stops at the calculation limit after 2015.
inline constexpr const char* kLimitPlanFile =
    "2052206848\n1 1 1960\n65\n1 1 2025\n0\n0\n1\nFund\n0\n1000000\n1 1 2000\n0\n1 1 2000\n"
    "1 1 2000\n0\n1 1 2000\n60\n60\n0\n1 1 2000\n1\nCosts\n0\n1 1 2000\n1000\n1 1 2000\n"
    "31 12 2099\n0\n";
