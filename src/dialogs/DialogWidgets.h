#pragma once

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// Widths follow the dialog templates, in dialog units: a quarter of the average character
// width of the dialog's font.
int DialogUnitsToPixels(const QWidget& widget, int units);

QLineEdit* MakeLineEdit(QWidget* parent, const QString& objectName, int widthUnits);
QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& objectName);
// A label names its buddy field to screen readers and moves the focus to it.
QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy = nullptr);
// OK and Cancel side by side, centred under the fields.
QHBoxLayout* MakeClosingRow(QPushButton* ok, QPushButton* cancel);
// Puts the focus on the dialog's field of that object name, its text selected to be typed over;
// nothing for a name the dialog does not have.
void FocusField(QWidget& dialog, const QString& objectName);
