#include "tests/dialogs/DialogDriver.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

DialogRunner UserSteps(std::function<void(QDialog&)> steps) {
    return [steps = std::move(steps)](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        steps(dialog);
        EXPECT_FALSE(dialog.isVisible()) << "the steps left the dialog open";
        if (dialog.isVisible())
            dialog.done(QDialog::Rejected);
        return dialog.result();
    };
}

namespace {

template <typename Widget> Widget* Find(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

} // namespace

QPushButton* Button(QDialog& dialog, const char* name) {
    return Find<QPushButton>(dialog, name);
}

QLineEdit* LineEdit(QDialog& dialog, const char* name) {
    return Find<QLineEdit>(dialog, name);
}

QDateEdit* DateEdit(QDialog& dialog, const char* name) {
    return Find<QDateEdit>(dialog, name);
}

void Click(QDialog& dialog, const char* name) {
    QTest::mouseClick(Button(dialog, name), Qt::LeftButton);
}

void Retype(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

void PressEnter(QDialog& dialog) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &dialog, Qt::Key_Return);
}

void PressEscape(QDialog& dialog) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &dialog, Qt::Key_Escape);
}

std::string FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : std::string("(none)");
}

std::vector<std::string> TabCycle(QDialog& dialog) {
    Button(dialog, "ok")->setFocus();
    std::vector<std::string> visited{FocusName()};
    // A bound on the walk, so that a broken chain fails instead of looping.
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (FocusName() == "ok")
            break;
        visited.push_back(FocusName());
    }
    return visited;
}
