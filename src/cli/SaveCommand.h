#pragma once

#include <ostream>
#include <string>

// orbelan-cli save IN OUT: opens IN as the window opens a plan and saves it to OUT through
// the window's own save (extension repair included). Messages go to err; the result is an
// exit status of orbelan-cli.
int SavePlanCopy(const std::string& in, const std::string& out, std::ostream& err);
