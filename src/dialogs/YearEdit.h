#pragma once

#include "model/PlanDate.h"

class QDateEdit;
class QString;
class QWidget;

// A date picker that shows and changes the year alone, over the whole range of plan dates.
QDateEdit* MakeYearEdit(QWidget* parent, const QString& objectName);

void ShowYear(QDateEdit& edit, const PlanDate& date);

// The stored date moved to the picker's year: month and day stay, so 29 February moved to a
// common year becomes invalid, as the plan's dates always do. An invalid date stays invalid
// unless the user picked another year than the one shown for it.
PlanDate ReadYear(const QDateEdit& edit, const PlanDate& stored);
