#include "report/RecoveryText.h"

#include <cstdio>
#include <ctime>

std::string ClockTime(std::int64_t seconds) {
    const auto moment = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (::localtime_r(&moment, &local) == nullptr)
        return "--:--";
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour % 100, local.tm_min % 100);
    return text;
}

std::string RecoverQuestion(std::string_view name, std::string_view time) {
    return "Recover the unsaved changes to " + std::string(name) + " from " + std::string(time) +
           "?";
}

std::string ChangedOnDiskQuestion(std::string_view name, std::string_view time) {
    return std::string(name) + " has changed on disk since " + std::string(time) +
           ". Recover the unsaved changes anyway?";
}

std::string KeptChangesMessage(std::string_view name, bool untitled) {
    const std::string kept =
        "The unsaved changes to " + std::string(name) + " are kept in the file named below";
    if (untitled)
        return kept + ", and offered again at the next start until an untitled plan is saved.";
    return kept + ", and offered again each time " + std::string(name) +
           " opens until it is saved.";
}

std::string UnusableCopyMessage(std::string_view name) {
    return "Unsaved changes to " + std::string(name) +
           " were found but not offered, because they are not kept in a file that only you may "
           "use.";
}

std::string NotKeptMessage(NotKeptReason reason) {
    switch (reason) {
    case NotKeptReason::FolderUnusable:
        return "Unsaved changes cannot be kept for recovery after a crash, because the folder "
               "named below cannot be used. Save your work to keep it.";
    case NotKeptReason::TooLarge:
        return "This plan is too large to keep a copy of its unsaved changes for recovery after "
               "a crash. Save your work to keep it.";
    case NotKeptReason::WriteFailed:
        break;
    }
    return "A copy of the unsaved changes for recovery after a crash could not be written. Save "
           "your work to keep it.";
}
