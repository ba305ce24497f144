#include "persist/PlanFileNaming.h"

#include "platform/RecentFileList.h"

#include <string_view>

namespace {

// Where the file name starts: the folders before it are never repaired.
std::size_t FileNameStart(const std::string& path) {
#ifdef _WIN32
    const std::size_t separator = path.find_last_of("/\\");
#else
    const std::size_t separator = path.rfind('/');
#endif
    return separator == std::string::npos ? 0 : separator + 1;
}

} // namespace

std::string RepairPlanExtension(const std::string& path) {
    const std::size_t nameStart = FileNameStart(path);
    if (nameStart == path.size())
        return path;
    const std::size_t dot = path.rfind('.');
    const std::size_t tailStart = dot == std::string::npos || dot < nameStart ? nameStart : dot;
    const std::string_view tail = std::string_view(path).substr(tailStart);
    if (tail.find(kPlanExtensionShort) == std::string_view::npos ||
        tail.find(kPlanExtension) != std::string_view::npos)
        return path;
    return path.substr(0, tailStart) + kPlanExtension;
}

void FixRecentFileExtensions(RecentFileList& list) {
    for (std::size_t i = 0; i < list.Size(); ++i)
        list.Set(i, RepairPlanExtension(list[i]));
}
