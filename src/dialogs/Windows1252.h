#pragma once

#include <QString>

#include <string_view>

// Reads bytes as Windows-1252, the code page of plan files written before names were UTF-8.
// The five bytes the code page leaves undefined become the control characters of the same value.
QString DecodeWindows1252(std::string_view bytes);
