#pragma once

#include <functional>

class QFileDialog;
class QMessageBox;

// Each runs the action on the next modal dialog of its kind as soon as it shows, so a test
// answers a dialog the way a user would. A dialog of another kind fails the test and is
// rejected, so that nothing hangs.
void WhenMessageBoxShows(std::function<void(QMessageBox&)> action);
void WhenFileDialogShows(std::function<void(QFileDialog&)> action);
