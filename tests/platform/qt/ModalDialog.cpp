#include "tests/platform/qt/ModalDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void RejectAllDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
}

template <typename Dialog> void WhenModalShows(std::function<void(Dialog&)> action) {
    QTimer::singleShot(
        0,
        [action = std::move(action)] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " shown";
                RejectAllDialogs();
                return;
            }
            action(*dialog);
        });
}

} // namespace

void WhenMessageBoxShows(std::function<void(QMessageBox&)> action) {
    WhenModalShows(std::move(action));
}

void WhenFileDialogShows(std::function<void(QFileDialog&)> action) {
    WhenModalShows(std::move(action));
}
