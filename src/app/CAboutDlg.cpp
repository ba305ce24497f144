#include "app/CAboutDlg.h"

#include "app/AppIcon.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kIconSize = 32;

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // Shown as written: no '&' is taken for a mnemonic, no markup is read.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Tessaly"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
    icon->setPixmap(OrbelanIcon().pixmap(kIconSize, kIconSize));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(PlainLabel(QStringLiteral("Orbelan, Version " ORBELAN_VERSION), this), 0, 1);
    layout->addWidget(PlainLabel(QStringLiteral("Copyright (C) 2026 Velmark"), this), 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
}
