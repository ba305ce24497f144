#pragma once

#include "platform/ViewBase.h"

#include <QChartView>
#include <QString>

#include <cstdint>
#include <optional>

class CTessalyDoc;
class QBarCategoryAxis;
class QKeyEvent;
class QLineSeries;
class QMouseEvent;
class QValueAxis;
struct ProjectionTable;

// The projection drawn below the list: Total Assets and Available Assets as lines, Income
// and Withdrawals as bars, one category per year, the retirement year and a year whose
// expenses could not be paid marked. It shows what the list shows and changes only with it.
// Further projections (a variant to compare with) can be drawn over it in another pen style.
class ProjectionChart : public QChartView, public ViewBase {
    Q_OBJECT

public:
    explicit ProjectionChart(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

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
    void AddAssetLines(const ProjectionTable& table, Qt::PenStyle style, const QString& suffix);
    void AddMarker(const QString& name, std::int32_t year, const QColor& color, qreal width,
                   Qt::PenStyle style);
    QLineSeries* AddVerticalLine(std::int32_t year, const QColor& color, qreal width,
                                 Qt::PenStyle style);
    QString YearSummary(std::int32_t index) const;
    void ShowSummary(std::int32_t index);

    CTessalyDoc* m_pPlanDoc = nullptr;
    QBarCategoryAxis* m_years = nullptr;
    QValueAxis* m_amounts = nullptr;
    QLineSeries* m_highlight = nullptr;
    std::int32_t m_firstYear = 0;
    std::int32_t m_rowCount = 0;
    std::optional<std::int32_t> m_highlighted;
};
