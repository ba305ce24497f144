#pragma once

#include "model/WhatIf.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QTableWidget;

// The sensitivity grid: the horizon year for returns moved by a few points (rows) and expenses
// at a few percentages (columns), each cell coloured from the earliest horizon (red) to the
// latest (green) with a legend below. The cell of the chosen variant is outlined.
class SensitivityGridView : public QWidget {
    Q_OBJECT

public:
    explicit SensitivityGridView(QWidget* parent = nullptr);

    // The grid's horizons; empty while they are being worked out or cannot be.
    void ShowGrid(const std::optional<HorizonGrid>& grid, const QString& emptyText);
    // Outlines the cell of the variant, or none when it is no point of the grid.
    void MarkVariant(std::int32_t expensesPercent, std::int32_t returnPoints);
    QTableWidget& Table() const { return *m_table; }

signals:
    // The user clicked a cell or pressed Enter on it.
    void variantChosen(std::int32_t expensesPercent, std::int32_t returnPoints);

private:
    void ShowLegend(std::int32_t earliest, std::int32_t latest);

    QTableWidget* m_table = nullptr;
    QLabel* m_earliest = nullptr;
    QLabel* m_scale = nullptr;
    QLabel* m_latest = nullptr;
};
