#pragma once

#include <ostream>

// Prints the usage of every command, their options and the exit statuses.
void PrintHelp(std::ostream& out);
