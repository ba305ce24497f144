#pragma once

// False on Linux when the environment names no display for Qt to use: no X11 or Wayland
// display and no chosen platform plugin, where Qt would otherwise abort.
bool HasDisplay();

#include <string>

// The one line that tells the user how to run the program without a display, naming the
// program as it was started, so that the command shown works as it stands.
std::string NoDisplayHint(const std::string& program);
