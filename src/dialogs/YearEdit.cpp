#include "dialogs/YearEdit.h"

#include "dialogs/DialogWidgets.h"

#include <QDateEdit>

namespace {

// What the picker shows for a date that has none: the current year, like a fresh picker.
QDate ShownDate(const PlanDate& date) {
    return date.IsValid() ? QDate(date.GetYear(), date.GetMonth(), date.GetDay())
                          : QDate(CurrentLocalYear(), 1, 1);
}

} // namespace

QDateEdit* MakeYearEdit(QWidget* parent, const QString& objectName) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(objectName);
    edit->setDisplayFormat(QStringLiteral("yyyy"));
    edit->setCalendarPopup(false);
    edit->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Qt's default minimum is 1752; plan dates start in the year 100.
    edit->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    edit->setFixedWidth(DialogUnitsToPixels(*edit, 61));
    return edit;
}

void ShowYear(QDateEdit& edit, const PlanDate& date) {
    edit.setDate(ShownDate(date));
}

PlanDate ReadYear(const QDateEdit& edit, const PlanDate& stored) {
    const int year = edit.date().year();
    PlanDate result = stored;
    if (stored.IsValid())
        result.SetDate(year, stored.GetMonth(), stored.GetDay());
    else if (year != ShownDate(stored).year())
        result.SetDate(year, 1, 1);
    return result;
}
