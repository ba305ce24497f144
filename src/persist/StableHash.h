#pragma once

#include <string>
#include <string_view>

// A 64-bit FNV-1a hash of bytes as 16 hexadecimal digits: the same from one version of the
// program to the next, so names made from it in the state folder are found again.
std::string StableHash(std::string_view bytes);
