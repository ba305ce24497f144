#pragma once

#include "model/Plan.h"

#include <cstdint>

PlanDate MakeDate(std::int32_t year, std::int32_t month, std::int32_t day);

// Savings and a pension paying rent: six rows from 2000 to 2005.
Plan ProjectionExamplePlan();

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
