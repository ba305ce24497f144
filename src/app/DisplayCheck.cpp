#include "app/DisplayCheck.h"

#include <QByteArray>
#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <xcb/xcb.h>
#endif

namespace {

// One argument as a POSIX shell reads it back unchanged.
std::string ShellWord(const std::string& argument) {
    const bool plain = !argument.empty() &&
                       argument.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUV"
                                                  "WXYZ0123456789_-+=.,/:@%") == std::string::npos;
    if (plain)
        return argument;
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string XvfbRunCommand(const std::string& program, const std::vector<std::string>& arguments) {
    std::string command = "xvfb-run " + ShellWord(program);
    for (const std::string& argument : arguments)
        command += " " + ShellWord(argument);
    return command;
}

} // namespace

bool HasDisplay() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

std::optional<std::string> UnreachableDisplay() {
#if defined(Q_OS_LINUX)
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return std::nullopt;
    // The connection Qt's X11 platform would make, with the same authority file.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reached)
        return std::nullopt;
    return qgetenv("DISPLAY").toStdString();
#else
    return std::nullopt;
#endif
}

std::string NoDisplayHint(const std::string& program, const std::vector<std::string>& arguments) {
    return "orbelan: no display found; run it under xvfb-run, for example: " +
           XvfbRunCommand(program, arguments) + "\n";
}

std::string UnreachableDisplayHint(const std::string& display, const std::string& program,
                                   const std::vector<std::string>& arguments) {
    return "orbelan: cannot connect to the display '" + display +
           "' named by DISPLAY; start the program where that display runs, or run it under "
           "xvfb-run, for example: " +
           XvfbRunCommand(program, arguments) + "\n";
}
