#pragma once

#include "platform/ViewBase.h"

#include <QTreeWidget>

#include <cstdint>
#include <optional>

class CTessalyDoc;
class MoneyDisplay;
struct YearBreakdown;

// The Year Details pane: how the selected year of the list came about, as a tree of the
// income items with their figures, the expenses, the withdrawals in order and whether
// everything was paid. Amounts use the locale's digit grouping. Empty when the list is.
class YearDetailsPane : public QTreeWidget, public ViewBase {
    Q_OBJECT

public:
    explicit YearDetailsPane(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

    // Amounts are shown as the display shows them, and again when it changes.
    void SetMoneyDisplay(const MoneyDisplay& display);
    // Shows the breakdown of a year of the list, or nothing.
    void ShowYear(std::optional<std::int32_t> year);

private:
    void Fill(const YearBreakdown& year);
    void Emphasise(QTreeWidgetItem& item);

    CTessalyDoc* m_pPlanDoc = nullptr;
    const MoneyDisplay* m_display = nullptr;
    std::optional<std::int32_t> m_year;
};
