#pragma once

#include "model/Plan.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>

// The plan as the page holds it. Names travel as strings of the code points 0 to 255, one per
// byte, so that names in any encoding come back byte for byte; rates travel as the bits of
// their floats, NaN and infinities included; an invalid date is null.
nlohmann::json PlanToJson(const Plan& plan);
// Empty for JSON that is not such a plan. Nothing here throws: the browser build has no
// exceptions, so a throw would end the page's core.
std::optional<Plan> PlanFromJson(const nlohmann::json& json);
// The same from JSON text, empty for text that is not JSON.
std::optional<Plan> PlanFromJsonText(const std::string& text);

// The list whose item an edit replaces, if any.
enum class EditedList { None, Incomes, Expenses };
// Edits the plan: its general data from the JSON text of a plan without its lists and, unless
// the list is None, the list's item at index from the item's JSON text. A page that changed
// one field sends this rather than the whole plan. False, the plan as it was, for text that
// is not such an edit or an index past the list's end.
bool EditPlanFromJsonText(Plan& plan, const std::string& general, EditedList list,
                          std::size_t index, const std::string& item);

// A rate as the bits of its float and back. By memcpy: the browser edition's standard library
// has no std::bit_cast.
std::uint32_t RateBits(float rate);
float RateFromBits(std::uint32_t bits);

// Bytes as code points 0 to 255 and back; the way back is empty for a code point above 255.
std::string BytesToLatin1Utf8(const std::string& bytes);
std::optional<std::string> Latin1Utf8ToBytes(const std::string& text);
