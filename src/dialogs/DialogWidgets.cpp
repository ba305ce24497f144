#include "dialogs/DialogWidgets.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int DialogUnitsToPixels(const QWidget& widget, int units) {
    return units * widget.fontMetrics().averageCharWidth() / 4;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& objectName, int widthUnits) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setFixedWidth(DialogUnitsToPixels(*edit, widthUnits));
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& objectName) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QHBoxLayout* MakeClosingRow(QPushButton* ok, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addStretch();
    return row;
}

void FocusField(QWidget& dialog, const QString& objectName) {
    // An empty name would match the first child without a name.
    auto* field = objectName.isEmpty() ? nullptr : dialog.findChild<QWidget*>(objectName);
    if (field == nullptr)
        return;
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}
