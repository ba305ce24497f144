#pragma once

#include <string>

// The savings-account example as it stands on disk, lines joined by lineEnd.
inline std::string FileExampleText(const std::string& lineEnd = "\r\n") {
    const char* lines[] = {
        "2052206848", "15 3 1960",    "62",         "15 3 2022",
        "33",         "25.5",         "1",          "Savings account",
        "1",          "10000",        "1 1 2000",   "1200",
        "1 1 2000",   "1 1 2021",     "2.5",        "15 3 2022",
        "5",          "3.5",          "0",          "15 3 2022",
        "1",          "Living costs", "0",          "1 1 2000",
        "10000",      "1 1 2022",     "31 12 2050", "3",
    };
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}
