#pragma once

#include <string>
#include <vector>

// What the fakes were asked to do, in order, one line a call, so a test can compare the
// whole conversation at once.
using Journal = std::vector<std::string>;
