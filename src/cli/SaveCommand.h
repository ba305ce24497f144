#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli save IN OUT: opens IN as the window opens a plan and saves it to OUT through
// the window's own save (extension repair included). Messages go to err.
int RunSave(std::span<const std::string> args, std::ostream& out, std::ostream& err);
