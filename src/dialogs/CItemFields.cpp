#include "dialogs/CItemFields.h"

#include "dialogs/DataExchange.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/YearEdit.h"
#include "model/Plan.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString Text(const char* source) {
    return QCoreApplication::translate("CItemFields", source);
}

} // namespace

CItemFields::CItemFields(QWidget* parent)
    : m_grid(new QGridLayout), m_editName(MakeLineEdit(parent, QStringLiteral("name"), 166)),
      m_editInitialAmount(MakeLineEdit(parent, QStringLiteral("initialAmount"), 40)),
      m_dtInitialDate(MakeYearEdit(parent, QStringLiteral("initialDate"))),
      m_editAnnualAmount(MakeLineEdit(parent, QStringLiteral("annualAmount"), 40)),
      m_dtAnnualStart(MakeYearEdit(parent, QStringLiteral("annualStart"))),
      m_dtAnnualEnd(MakeYearEdit(parent, QStringLiteral("annualEnd"))),
      m_editGrowthRate(MakeLineEdit(parent, QStringLiteral("growthRate"), 28)) {
    m_grid->addWidget(MakeLabel(parent, Text("Item Name:"), m_editName), 0, 0);
    m_grid->addWidget(m_editName, 0, 1, 1, 3);
    // The templates leave a gap between the name and the amounts.
    m_grid->setRowMinimumHeight(1, DialogUnitsToPixels(*parent, 8));

    m_grid->addWidget(MakeLabel(parent, Text("Initial Amount:"), m_editInitialAmount), 2, 0);
    m_grid->addWidget(m_editInitialAmount, 2, 1);
    m_grid->addWidget(MakeLabel(parent, Text("Start Date:"), m_dtInitialDate), 2, 2);
    m_grid->addWidget(m_dtInitialDate, 2, 3);

    m_grid->addWidget(MakeLabel(parent, Text("Annual Amount:"), m_editAnnualAmount), 3, 0);
    m_grid->addWidget(m_editAnnualAmount, 3, 1);
    m_grid->addWidget(MakeLabel(parent, Text("Start Date:"), m_dtAnnualStart), 3, 2);
    m_grid->addWidget(m_dtAnnualStart, 3, 3);
    m_grid->addWidget(MakeLabel(parent, Text("End Date:"), m_dtAnnualEnd), 3, 4);
    m_grid->addWidget(m_dtAnnualEnd, 3, 5);
    m_grid->addWidget(MakeLabel(parent, Text("Growth Rate:"), m_editGrowthRate), 3, 6);
    m_grid->addWidget(m_editGrowthRate, 3, 7);
}

void CItemFields::BindAmounts(DataExchange& exchange, ScheduledAmounts& amounts) {
    exchange.Integer(*m_editInitialAmount, amounts.initialAmount);
    exchange.Date(*m_dtInitialDate, amounts.initialDate);
    exchange.Integer(*m_editAnnualAmount, amounts.annualAmount);
    exchange.Date(*m_dtAnnualStart, amounts.annualStart);
    exchange.Date(*m_dtAnnualEnd, amounts.annualEnd);
    exchange.Real(*m_editGrowthRate, amounts.growthRate);
}

std::vector<QWidget*> CItemFields::TabStops() const {
    return {m_editName,      m_editInitialAmount, m_dtInitialDate, m_editAnnualAmount,
            m_dtAnnualStart, m_dtAnnualEnd,       m_editGrowthRate};
}
