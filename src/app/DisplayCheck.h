#pragma once

#include <optional>
#include <string>
#include <vector>

// False on Linux when the environment names no display for Qt to use: no X11 or Wayland
// display and no chosen platform plugin, where Qt would otherwise abort.
bool HasDisplay();

// The X11 display named by DISPLAY when Qt would connect to it (no Wayland display and no
// chosen platform plugin) and it cannot be reached; Qt would abort there, advising the user
// to reinstall. Nothing when the display answers or is not Qt's to use.
std::optional<std::string> UnreachableDisplay();

// The one line that tells the user how to run the program without a display, naming the
// program as it was started and the arguments it was given, so that the command shown works
// as it stands.
std::string NoDisplayHint(const std::string& program,
                          const std::vector<std::string>& arguments = {});

// The same advice when DISPLAY names a display that cannot be reached, naming that display.
std::string UnreachableDisplayHint(const std::string& display, const std::string& program,
                                   const std::vector<std::string>& arguments);
