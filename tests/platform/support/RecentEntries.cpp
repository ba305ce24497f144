#include "tests/platform/support/RecentEntries.h"

Entries EntriesOf(const RecentFileList& list) {
    Entries entries;
    for (std::size_t index = 0; index < list.Size(); ++index)
        entries.push_back(list[index]);
    return entries;
}
