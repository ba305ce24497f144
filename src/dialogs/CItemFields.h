#pragma once

#include <vector>

struct ScheduledAmounts;
class DataExchange;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QWidget;

// The fields that income and expense items share: the name, the initial amount on its date
// and the annual amount with its start, end and growth. Laid out in a grid of eight columns,
// label and control in turn, rows 0 to 3, which the income editor extends.
class CItemFields {
public:
    explicit CItemFields(QWidget* parent);

    // Binds the amounts in transfer order; the name comes last and is bound by the caller.
    void BindAmounts(DataExchange& exchange, ScheduledAmounts& amounts);
    // Name, initial amount, its date, annual amount, start, end and growth, in tab order.
    std::vector<QWidget*> TabStops() const;

    QGridLayout* m_grid;
    QLineEdit* m_editName;
    QLineEdit* m_editInitialAmount;
    QDateEdit* m_dtInitialDate;
    QLineEdit* m_editAnnualAmount;
    QDateEdit* m_dtAnnualStart;
    QDateEdit* m_dtAnnualEnd;
    QLineEdit* m_editGrowthRate;
};
