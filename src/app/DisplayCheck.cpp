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

const char* NoDisplayHint() {
    return "orbelan: no display found; run it under xvfb-run, for example: "
           "xvfb-run build/default/src/app/orbelan\n";
}
