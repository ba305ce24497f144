#pragma once

#include <functional>

class QDialog;

// Runs the action on the next modal dialog as soon as it shows, so that a test answers it as a
// user would. When no modal dialog shows, the test fails and every open dialog is rejected, so
// that nothing hangs.
void WhenModalDialogShows(std::function<void(QDialog&)> action);
