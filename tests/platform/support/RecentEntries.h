#pragma once

#include "platform/RecentFileList.h"

#include <string>
#include <vector>

using Entries = std::vector<std::string>;

// Every entry of the list, empty ones included, most recent first.
Entries EntriesOf(const RecentFileList& list);
