#pragma once

#include "platform/ViewBase.h"

#include "model/ProjectionTable.h"

#include <QChartView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class CTessalyDoc;
class MoneyDisplay;
class QBarCategoryAxis;
class QKeyEvent;
class QLineSeries;
class QMouseEvent;
class QValueAxis;

// The projection drawn below the list: Total Assets and Available Assets as lines, Income
// and Withdrawals as bars, one category per year, the retirement year and a year whose
// expenses could not be paid marked. It shows what the list shows and changes only with it.
// A variant of the plan can be drawn over it in dashed lines to compare with.
class ProjectionChart : public QChartView, public ViewBase {
    Q_OBJECT

public:
    explicit ProjectionChart(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

    // Amounts are drawn as the display shows them, and again when it changes.
    void SetMoneyDisplay(const MoneyDisplay& display);
    // Draws the assets of a variant's projection in dashed lines, or none. Only the lines
    // and the scales change: a variant can be redrawn at every move of a slider.
    void ShowVariant(const std::optional<ProjectionTable>& variant);
    const QList<QLineSeries*>& VariantLines() const { return m_variantLines; }

    // Marks the year as the one selected in the list; nothing for a year not shown.
    void HighlightYear(std::optional<std::int32_t> year);
    std::optional<std::int32_t> HighlightedYear() const { return m_highlighted; }
    std::int32_t YearCount() const { return m_rowCount; }

signals:
    // The user clicked a year, or moved to one with the arrow keys.
    void yearChosen(std::int32_t year);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebuild();
    // The table as the display shows its amounts.
    ProjectionTable Shown(const ProjectionTable& table) const;
    QList<QLineSeries*> AddAssetLines(const ProjectionTable& table, Qt::PenStyle style,
                                      const QString& suffix);
    void AddVariantLines();
    // Fits the years and amounts to the plan and the variant, and the vertical lines to them.
    void UpdateScales();
    void AddMarker(const QString& name, std::int32_t year, const QColor& color, qreal width,
                   Qt::PenStyle style);
    QLineSeries* AddVerticalLine(std::int32_t year, const QColor& color, qreal width,
                                 Qt::PenStyle style);
    QString YearSummary(std::int32_t index) const;
    void ShowSummary(std::int32_t index);

    CTessalyDoc* m_pPlanDoc = nullptr;
    const MoneyDisplay* m_display = nullptr;
    // The list's results as shown, and the variant's as projected.
    ProjectionTable m_shown;
    std::optional<ProjectionTable> m_variant;
    QList<QLineSeries*> m_variantLines;
    // The retirement, uncovered and highlight lines, which span the amounts drawn.
    std::vector<QLineSeries*> m_verticals;
    QBarCategoryAxis* m_years = nullptr;
    QValueAxis* m_amounts = nullptr;
    QLineSeries* m_highlight = nullptr;
    std::int32_t m_firstYear = 0;
    std::int32_t m_rowCount = 0;
    std::optional<std::int32_t> m_highlighted;
};
