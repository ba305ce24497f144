#pragma once

#include <functional>

class QDialog;

// Runs a prepared dialog until it closes and returns its result. Users get the modal loop;
// tests pass a runner that shows the dialog and works it as a user would.
using DialogRunner = std::function<int(QDialog&)>;

int RunModal(QDialog& dialog);
