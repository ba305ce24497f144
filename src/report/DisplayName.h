#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// An item name as every edition shows it, in UTF-8: a stored name that is valid UTF-8 as it is,
// any other as Windows-1252, the code page of plan files written before names were UTF-8. The
// five bytes that code page leaves undefined become the control characters of the same value.
// Only the display changes: the stored bytes are kept as they are.
std::string DisplayName(std::string_view stored);

// Whether the bytes are UTF-8 as the standard defines it: no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Which list an item stands in.
enum class ItemList { Income, Expenses };

// An item's name wherever one is shown: its stored name as DisplayName shows it, or, for an item
// without one, its place in its list: "Income item 2", "Expense item 1". index counts from 0.
std::string ItemName(std::string_view stored, ItemList list, std::size_t index);
