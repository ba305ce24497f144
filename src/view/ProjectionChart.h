#pragma once

#include "platform/ViewBase.h"

#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "print/ChartPainter.h"
#include "print/ChartStyle.h"
#include "report/ChartRoom.h"
#include "report/ChartScale.h"

#include <QChartView>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class CTessalyDoc;
class QAbstractSeries;
class MoneyDisplay;
class QCategoryAxis;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
class QKeyEvent;
class QLineSeries;
class QMouseEvent;

// The projection drawn below the list: Total Assets and Available Assets as lines, Income
// and Withdrawals as bars, one column per year, the retirement year, a year whose expenses
// could not be paid and the year the calculation limit stopped the projection marked. It shows
// what the list shows and changes only with it. A variant of the plan can be drawn over it in
// dashed lines of its own colours to compare with. The scales and marks come from the chart's
// model (report/ChartScale.h); this class only draws them, in the colours of the palette.

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
    // Shades the band of a risk run's Total Assets between the 10th and 90th percentile with
    // their median dashed, behind the plan's own lines, and draws one path's Total Assets
    // dotted under the name given; an empty band and no path clear them.
    void ShowRisk(const std::vector<RiskYear>& band, const std::optional<ProjectionTable>& path,
                  const QString& pathName);
    const QList<QAbstractSeries*>& RiskSeries() const { return m_riskSeries; }
    // Draws each scenario's Total Assets in its own colour and dash, by year, under its name;
    // none clears them.
    void ShowScenarios(const std::vector<ChartScenario>& scenarios);
    const QList<QLineSeries*>& ScenarioLines() const { return m_scenarioLines; }

    // Marks the year as the one selected in the list; nothing for a year not shown.
    void HighlightYear(std::optional<std::int32_t> year);
    std::optional<std::int32_t> HighlightedYear() const { return m_highlighted; }
    std::int32_t YearCount() const { return m_rowCount; }

    // What the reader sees: the labels on the axes, the legend and the value box over the
    // year under the pointer (empty when there is none).
    QStringList YearLabels() const;
    QStringList AmountLabels() const;
    const QStringList& LegendEntries() const { return m_legendEntries; }
    QString HoverText() const;

signals:
    // The user clicked a year, or moved to one with the arrow keys: a year of the plan's rows,
    // or of the risk path shown.
    void yearChosen(std::int32_t year);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateOverlays();
    void Rebuild();
    // Adds the series to the chart on the year and amount axes.
    void AddSeries(QAbstractSeries& series);
    // The table as the display shows its amounts.
    ProjectionTable Shown(const ProjectionTable& table) const;
    // The variant, and the band and the path, in the amounts the display shows: each again
    // when it changes, all when the display does. A slider move converts the variant alone.
    void ConvertVariant();
    void ConvertRisk();
    void ConvertScenarios();
    void AddBars(const ProjectionTable& table);
    QList<QLineSeries*> AddAssetLines(const ProjectionTable& table, bool variant);
    void AddVariantLines();
    void AddRiskBand();
    void AddRiskPath();
    void AddScenarioLines();
    // The years that have something drawn: the plan's rows and limit column, the variant's, the
    // band's, the path's and every scenario's. Column 0 stays the plan's first year, so that
    // the bars keep their places; a scenario that starts first is drawn left of it.
    YearSpan DrawnYears() const;
    // The column of the axis's first year, 0 or before, and whether a column is on the axis.
    std::int32_t FirstColumn() const;
    bool OnAxis(std::int32_t column) const;
    // The years that can be chosen: the plan's rows, and those of the path shown.
    std::int32_t ChoosableRows() const;
    // Fits the years and amounts to the plan and the variant, and the vertical lines to them.
    void UpdateScales();
    // How the chart's height is shared: whether the legend keeps its rows, and the value
    // axis's intervals that the plot has room for.
    ChartRoom Room() const;
    // Labels as many years and amounts as the chart's size has room for.
    void UpdateAxisLabels();
    void UpdateLegend();
    void PlaceLegend();
    void ApplyPalette();
    void StyleAxis(QCategoryAxis& axis) const;
    QLineSeries* AddVerticalLine(std::int32_t column, const QPen& pen);
    QString YearSummary(std::int32_t index) const;
    void ShowHover(const QPointF& position);
    void HideHover();

    CTessalyDoc* m_pPlanDoc = nullptr;
    const MoneyDisplay* m_display = nullptr;
    // The list's results as shown, and the variant's as projected.
    ProjectionTable m_shown;
    std::optional<ProjectionTable> m_variant;
    std::optional<ProjectionTable> m_variantShown;
    ChartEnding m_ending;
    std::vector<ChartMark> m_marks;
    ValueScale m_scale;
    std::int32_t m_intervals = 0;
    YearSpan m_axisYears;
    QList<QLineSeries*> m_variantLines;
    // The risk run's band and path as given and as shown, and the series that draw them.
    std::vector<RiskYear> m_riskBand;
    std::vector<RiskYear> m_riskBandShown;
    std::optional<ProjectionTable> m_riskPath;
    std::optional<ProjectionTable> m_riskPathShown;
    QString m_riskPathName;
    QList<QAbstractSeries*> m_riskSeries;
    // The scenarios as given and as shown, and their lines.
    std::vector<ChartScenario> m_scenarios;
    std::vector<ChartScenario> m_scenariosShown;
    QList<QLineSeries*> m_scenarioLines;
    // The band's edges and median, each with the percentile it draws.
    std::vector<std::pair<QLineSeries*, std::optional<std::int32_t> RiskYear::*>> m_bandLines;
    // The marks and the highlight, which span the amounts drawn.
    std::vector<QLineSeries*> m_verticals;
    QCategoryAxis* m_years = nullptr;
    QCategoryAxis* m_amounts = nullptr;
    QLineSeries* m_highlight = nullptr;
    QGraphicsTextItem* m_legend = nullptr;
    QStringList m_legendEntries;
    QGraphicsLineItem* m_crosshair = nullptr;
    QGraphicsRectItem* m_valueBox = nullptr;
    QGraphicsSimpleTextItem* m_valueText = nullptr;
    std::int32_t m_firstYear = 0;
    std::int32_t m_rowCount = 0;
    std::optional<std::int32_t> m_highlighted;
};
