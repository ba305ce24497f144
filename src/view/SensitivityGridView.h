#pragma once

#include "model/Plan.h"
#include "model/WhatIf.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QTableWidget;
class QVBoxLayout;

// The sensitivity grid: the horizon year for returns moved by a few points (rows) and expenses
// at a few percentages (columns), each cell coloured on the fixed scale of GridColors with a
// legend below. The cell of the chosen variant is outlined. The grid is one Tab stop: the arrow
// keys move a focus frame inside it, and Enter chooses its cell.
class SensitivityGridView : public QWidget {
    Q_OBJECT

public:
    explicit SensitivityGridView(QWidget* parent = nullptr);

    // The grid of the plan's variants, coloured against its milestones for the age.
    void ShowGrid(const HorizonGrid& grid, const Plan& plan, std::int32_t age);
    // No grid, while it is being worked out or when it cannot be.
    void ShowGrid(std::nullopt_t, const QString& emptyText);
    // Colours the grid shown against another age.
    void SetAge(std::int32_t age);
    // Outlines the cell of the variant, or none when it is no point of the grid.
    void MarkVariant(std::int32_t expensesPercent, std::int32_t returnPoints);
    QTableWidget& Table() const { return *m_table; }

signals:
    // The user clicked a cell or pressed Enter on it.
    void variantChosen(std::int32_t expensesPercent, std::int32_t returnPoints);

private:
    void AddTable(QVBoxLayout& layout);
    void AddLegend(QVBoxLayout& layout);
    void ShowCells();

    QTableWidget* m_table = nullptr;
    QLabel* m_legend = nullptr;
    std::optional<HorizonGrid> m_grid;
    Plan m_plan;
    std::int32_t m_age = 0;
};
