#pragma once

// False on Linux when the environment names no display for Qt to use: no X11 or Wayland
// display and no chosen platform plugin, where Qt would otherwise abort.
bool HasDisplay();

// The one line that tells the user how to run the program without a display.
const char* NoDisplayHint();
