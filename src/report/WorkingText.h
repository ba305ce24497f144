#pragma once

#include <string>

// What the Risk, What If and Scenarios views say while they work out an answer.
std::string WorkingText();
