#pragma once

#include "model/Projection.h"
#include "platform/ViewBase.h"

#include <QString>
#include <QTreeWidget>

#include <cstdint>
#include <optional>

class CTessalyDoc;
class MoneyDisplay;
class QPaintEvent;
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
    // Explains the years of a path of the risk run, its returns moved by the offsets, instead
    // of the list's, saying by how much that year; none goes back to the list's.
    void ExplainPath(const std::optional<ReturnOffsets>& offsets, const QString& name);

protected:
    // An empty pane says how to choose a year.
    void paintEvent(QPaintEvent* event) override;

private:
    void Fill(const YearBreakdown& year);
    std::optional<YearBreakdown> Breakdown(std::int32_t year) const;
    void Emphasise(QTreeWidgetItem& item);

    CTessalyDoc* m_pPlanDoc = nullptr;
    const MoneyDisplay* m_display = nullptr;
    std::optional<std::int32_t> m_year;
    std::optional<ReturnOffsets> m_pathOffsets;
    QString m_pathName;
};
