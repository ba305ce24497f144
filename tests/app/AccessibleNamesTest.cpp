#include "tests/app/AppFixture.h"
#include "tests/app/ModalDialogs.h"
#include "tests/dialogs/DialogDriver.h"
#include "view/CTessalyView.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <map>
#include <string>

namespace {

using Names = std::map<std::string, QString>;

// What a screen reader announces for the widget.
QString AccessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The announced name of every text and date field of the dialog, by its object name.
Names FieldNames(const QDialog& dialog) {
    Names names;
    for (QWidget* field : dialog.findChildren<QWidget*>()) {
        // A date field's own text field is part of it, not a field of the dialog.
        const bool ownField = qobject_cast<QAbstractSpinBox*>(field->parent()) == nullptr;
        if (ownField && (qobject_cast<QLineEdit*>(field) != nullptr ||
                         qobject_cast<QAbstractSpinBox*>(field) != nullptr))
            names.emplace(field->objectName().toStdString(), AccessibleName(field));
    }
    return names;
}

} // namespace

class AccessibleNamesTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    Names DialogFieldNames(const char* command) {
        Names names;
        WhenModalDialogShows([&names](QDialog& dialog) {
            names = FieldNames(dialog);
            Click(dialog, "cancel");
        });
        Action(command).trigger();
        return names;
    }
};

TEST_F(AccessibleNamesTest, TheListAndEveryToolbarButtonAreNamed) {
    EXPECT_EQ(AccessibleName(&Frame().GetView()), QStringLiteral("Projection"));
    QStringList buttons;
    for (QAction* action : ToolBar().actions())
        if (!action->isSeparator())
            buttons.append(AccessibleName(ToolBar().widgetForAction(action)));
    EXPECT_EQ(buttons,
              (QStringList{QStringLiteral("New"), QStringLiteral("Open"), QStringLiteral("Save"),
                           QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste"),
                           QStringLiteral("Print"), QStringLiteral("About Tessaly"),
                           QStringLiteral("Help"), QStringLiteral("Calculate"),
                           QStringLiteral("Windows Calculator")}));
}

TEST_F(AccessibleNamesTest, TabReachesTheCalculatorButtonThatNoMenuHolds) {
    QWidget* calculator = ToolBar().widgetForAction(&Action("ID_RUN_CALCULATOR"));
    Frame().GetView().setFocus();
    for (int press = 0; press < 8 && !calculator->hasFocus(); ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(calculator->hasFocus());
}

TEST_F(AccessibleNamesTest, EveryDialogFieldIsNamedByItsLabel) {
    EXPECT_EQ(DialogFieldNames("ID_EDIT_GENERAL_DATA"),
              (Names{{"birthDate", QStringLiteral("Birth Date:")},
                     {"retirementAge", QStringLiteral("Retirement Age:")},
                     {"taxRateBefore", QStringLiteral("Tax Rate Before Retirement:")},
                     {"taxRateAfter", QStringLiteral("Tax Rate After Retirement:")}}));

    const Names itemFields{{"name", QStringLiteral("Item Name:")},
                           {"initialAmount", QStringLiteral("Initial Amount:")},
                           {"initialDate", QStringLiteral("Start Date:")},
                           {"annualAmount", QStringLiteral("Annual Amount:")},
                           {"annualStart", QStringLiteral("Start Date:")},
                           {"annualEnd", QStringLiteral("End Date:")},
                           {"growthRate", QStringLiteral("Growth Rate:")}};
    EXPECT_EQ(DialogFieldNames("ID_EDIT_EXPENSES"), itemFields);

    Names incomeFields = itemFields;
    incomeFields.insert({{"rateSwitchDate", QStringLiteral("Interest Rate Switch Date")},
                         {"rateBefore", QStringLiteral("Interest Rate Before")},
                         {"rateAfter", QStringLiteral("Interest Rate After")},
                         {"withdrawalStart", QStringLiteral("Start Date:")}});
    EXPECT_EQ(DialogFieldNames("ID_EDIT_INCOME"), incomeFields);
}
