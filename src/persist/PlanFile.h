#pragma once

#include "model/Plan.h"
#include "persist/PlanTextReader.h"

#include <cstdint>
#include <string>

// The first line of every plan file.
inline constexpr std::uint32_t PlanFileSignature = 2052206848;

// Reads everything after the signature line into a plan in its Reset state.
// It never throws and never stops early: what cannot be read keeps its
// default, and the reader remembers the first line that failed.
PlanTextReader& ReadPlan(PlanTextReader& in, Plan& plan);
// A date whose three numbers cannot all be read becomes invalid.
PlanTextReader& ReadPlanDate(PlanTextReader& in, PlanDate& date);

// A rate as printf's "%g" writes it, with '.' and a three-digit exponent.
std::string FormatRate(float rate);

// The whole file: the signature line followed by the plan. Lines end in CR LF on every
// platform, dates are day, month and year separated by single blanks, and numbers never
// depend on the user's locale.
std::string PlanFileBytes(const Plan& plan);
