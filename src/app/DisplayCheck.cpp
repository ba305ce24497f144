#include "app/DisplayCheck.h"

#include <QtGlobal>

bool HasDisplay() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

std::string NoDisplayHint(const std::string& program) {
    return "orbelan: no display found; run it under xvfb-run, for example: xvfb-run " + program +
           "\n";
}
