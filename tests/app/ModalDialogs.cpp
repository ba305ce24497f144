#include "tests/app/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

void WhenModalDialogShows(std::function<void(QDialog&)> action) {
    QTimer::singleShot(
        0,
        [action = std::move(action)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no modal dialog shown";
                for (QWidget* widget : QApplication::topLevelWidgets())
                    if (auto* open = qobject_cast<QDialog*>(widget);
                        open != nullptr && open->isVisible())
                        open->reject();
                return;
            }
            action(*dialog);
        });
}
