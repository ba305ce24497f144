#include "view/ProjectionChart.h"

#include "persist/CTessalyDoc.h"
#include "print/AmountText.h"
#include "report/ChartRoom.h"
#include "report/ChartWords.h"
#include "report/ControlWords.h"
#include "report/RiskText.h"
#include "report/TodaysMoneyTable.h"
#include "view/MoneyDisplay.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QKeyEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace {

constexpr qreal kEdge = 4;
// The room the chart leaves between an axis label and its neighbours.
constexpr qreal kLabelPadding = 4;
// A value label in full may take this share of the chart's width before the short form is used.
constexpr qreal kFullAmountShare = 0.1;

// One point per row: the row's index and the amount of the field.
QList<QPointF> FieldPoints(const ProjectionTable& table, std::int32_t ProjectionRow::*field) {
    QList<QPointF> points;
    for (std::int32_t r = 0; r < table.rowCount; ++r)
        points.append(QPointF(r, table.rows[static_cast<std::size_t>(r)].*field));
    return points;
}

// A short sample of the entry's line or fill in its colour, drawn with text so that the legend
// wraps like the words beside it.
QString LegendSample(const LegendEntry& entry) {
    QString sample = QStringLiteral("\u2501\u2501");
    if (entry.filled)
        sample = QStringLiteral("\u25a0");
    else if (entry.pen.style() == Qt::DashLine)
        sample = QStringLiteral("\u254d\u254d");
    else if (entry.pen.style() == Qt::DashDotLine)
        sample = QStringLiteral("\u254d\u00b7");
    else if (entry.pen.style() == Qt::DashDotDotLine)
        sample = QStringLiteral("\u254d\u00b7\u00b7");
    else if (entry.pen.style() == Qt::DotLine)
        sample = QStringLiteral("\u2508\u2508");
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(entry.pen.color().name(), sample);
}

using Percentile = std::optional<std::int32_t> RiskYear::*;

// One point per year of the band: the year's column and its percentile, at the top of the
// chart where it falls beyond the calculation limit.
QList<QPointF> BandPoints(const std::vector<RiskYear>& band, std::int32_t firstYear,
                          Percentile percentile, double top) {
    QList<QPointF> points;
    for (const RiskYear& year : band) {
        const std::optional<std::int32_t>& amount = year.*percentile;
        points.append(QPointF(year.year - firstYear, amount ? *amount : top));
    }
    return points;
}

QString Name(ChartSeries series) {
    return QString::fromUtf8(SeriesName(series));
}

// The Total Assets of a risk path or of another plan, by its name.
QString TotalAssetsName(const QString& name) {
    return QString::fromUtf8(TotalAssetsOf(name.toStdString()));
}

void RemoveCategories(QCategoryAxis& axis) {
    for (const QString& label : axis.categoriesLabels())
        axis.remove(label);
}

} // namespace

ProjectionChart::ProjectionChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("projectionChart"));
    setAccessibleName(QString::fromUtf8(kProjectionChartName));
    setAccessibleDescription(
        QStringLiteral("Assets, income and withdrawals by year. Left and Right choose a year."));
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    // The chart's own legend cuts its entries short on one line; ours wraps.
    chart()->legend()->hide();
    CreateOverlays();
    ApplyPalette();
}

void ProjectionChart::CreateOverlays() {
    m_legend = new QGraphicsTextItem;
    QFont legendFont = font();
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.9);
    m_legend->setFont(legendFont);
    m_legend->document()->setDocumentMargin(0);
    scene()->addItem(m_legend);
    m_crosshair = new QGraphicsLineItem;
    m_valueBox = new QGraphicsRectItem;
    m_valueText = new QGraphicsSimpleTextItem(m_valueBox);
    for (QGraphicsItem* item : std::initializer_list<QGraphicsItem*>{m_crosshair, m_valueBox}) {
        item->setZValue(20);
        item->hide();
        scene()->addItem(item);
    }
}

void ProjectionChart::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void ProjectionChart::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    Rebuild();
}

void ProjectionChart::SetMoneyDisplay(const MoneyDisplay& display) {
    m_display = &display;
    connect(&display, &MoneyDisplay::changed, this, [this] {
        const std::optional<std::int32_t> highlighted = m_highlighted;
        ConvertVariant();
        ConvertRisk();
        ConvertScenarios();
        Rebuild();
        HighlightYear(highlighted);
    });
}

ProjectionTable ProjectionChart::Shown(const ProjectionTable& table) const {
    if (m_display == nullptr || !m_display->ShowsTodaysMoney())
        return table;
    return InTodaysMoney(table, m_display->Inflation(), m_display->CurrentYear());
}

void ProjectionChart::ConvertVariant() {
    m_variantShown.reset();
    if (m_variant)
        m_variantShown = Shown(*m_variant);
}

void ProjectionChart::ConvertRisk() {
    m_riskPathShown.reset();
    if (m_riskPath)
        m_riskPathShown = Shown(*m_riskPath);
    m_riskBandShown =
        m_display != nullptr && m_display->ShowsTodaysMoney()
            ? InTodaysMoney(m_riskBand, m_display->Inflation(), m_display->CurrentYear())
            : m_riskBand;
}

void ProjectionChart::AddSeries(QAbstractSeries& series) {
    chart()->addSeries(&series);
    series.attachAxis(m_years);
    series.attachAxis(m_amounts);
}

void ProjectionChart::Rebuild() {
    QChart* drawing = chart();
    drawing->removeAllSeries();
    // The chart gives up a removed axis rather than deleting it.
    for (QAbstractAxis* axis : drawing->axes()) {
        drawing->removeAxis(axis);
        delete axis;
    }
    m_years = nullptr;
    m_amounts = nullptr;
    m_highlight = nullptr;
    m_highlighted.reset();
    m_variantLines.clear();
    m_riskSeries.clear();
    m_scenarioLines.clear();
    m_bandLines.clear();
    m_verticals.clear();
    m_marks.clear();
    m_rowCount = 0;
    HideHover();
    if (m_pPlanDoc == nullptr || m_pPlanDoc->ShownResults().rowCount == 0) {
        UpdateLegend();
        return;
    }

    m_shown = Shown(m_pPlanDoc->ShownResults());
    m_firstYear = m_shown.firstYear;
    m_rowCount = m_shown.rowCount;
    m_ending = {m_pPlanDoc->ShownLastRowCovered(), m_pPlanDoc->ShownLimitYear()};
    m_marks = ChartMarks(m_firstYear, m_rowCount, m_pPlanDoc->ShownPlan().retirementDate.GetYear(),
                         m_ending);

    m_years = new QCategoryAxis;
    m_amounts = new QCategoryAxis;
    for (QCategoryAxis* axis : {m_years, m_amounts}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        StyleAxis(*axis);
    }
    if (m_display != nullptr && m_display->ShowsTodaysMoney())
        m_amounts->setTitleText(QString::fromUtf8(TodaysMoneyTitle(m_display->CurrentYear())));
    drawing->addAxis(m_years, Qt::AlignBottom);
    drawing->addAxis(m_amounts, Qt::AlignLeft);

    AddRiskBand();
    AddBars(m_shown);
    AddRiskPath();
    AddAssetLines(m_shown, false);
    AddVariantLines();
    AddScenarioLines();
    UpdateScales();
    for (const ChartMark& mark : m_marks)
        if (QLineSeries* line = AddVerticalLine(mark.year - m_firstYear, MarkPen(mark.kind)))
            line->setName(QString::fromUtf8(MarkText(mark)));
    UpdateLegend();
}

void ProjectionChart::AddBars(const ProjectionTable& table) {
    auto* bars = new QBarSeries;
    for (const ChartSeries series : {ChartSeries::Income, ChartSeries::Withdrawals}) {
        auto* set = new QBarSet(Name(series));
        set->setColor(SeriesColor(series));
        set->setBorderColor(SeriesColor(series));
        for (std::int32_t r = 0; r < table.rowCount; ++r) {
            const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
            set->append(series == ChartSeries::Income ? row.income : row.withdrawals);
        }
        bars->append(set);
    }
    AddSeries(*bars);
}

void ProjectionChart::ShowVariant(const std::optional<ProjectionTable>& variant) {
    m_variant = variant;
    ConvertVariant();
    if (m_rowCount == 0)
        return;
    HideHover();
    if (m_variant && !m_variantLines.isEmpty()) {
        // A slider move: new points on the lines there are, no new series for the legend.
        for (const auto& [line, field] :
             {std::pair{m_variantLines[0], &ProjectionRow::totalAssets},
              std::pair{m_variantLines[1], &ProjectionRow::availableAssets}})
            line->replace(FieldPoints(*m_variantShown, field));
        UpdateScales();
        return;
    }
    for (QLineSeries* line : std::as_const(m_variantLines)) {
        chart()->removeSeries(line);
        delete line;
    }
    m_variantLines.clear();
    AddVariantLines();
    UpdateScales();
    UpdateLegend();
}

void ProjectionChart::AddVariantLines() {
    if (m_variantShown)
        m_variantLines = AddAssetLines(*m_variantShown, true);
}

void ProjectionChart::ShowRisk(const std::vector<RiskYear>& band,
                               const std::optional<ProjectionTable>& path,
                               const QString& pathName) {
    m_riskBand = band;
    m_riskPath = path;
    ConvertRisk();
    m_riskPathName = pathName;
    const std::optional<std::int32_t> highlighted = m_highlighted;
    Rebuild();
    HighlightYear(highlighted);
}

void ProjectionChart::AddRiskBand() {
    if (m_riskBandShown.empty())
        return;
    // The area owns neither edge: they are parented to it so that they go with it.
    auto* area = new QAreaSeries(new QLineSeries, new QLineSeries);
    area->upperSeries()->setParent(area);
    area->lowerSeries()->setParent(area);
    area->setName(Name(ChartSeries::RiskBand));
    area->setBrush(SeriesFill(ChartSeries::RiskBand));
    area->setPen(SeriesPen(ChartSeries::RiskBand));
    m_riskSeries.append(area);
    auto* median = new QLineSeries;
    median->setName(Name(ChartSeries::RiskMedian));
    median->setPen(SeriesPen(ChartSeries::RiskMedian));
    m_riskSeries.append(median);
    // Their points come with the scale, whose top is where a percentile beyond the limit goes.
    m_bandLines = {{area->upperSeries(), &RiskYear::p90},
                   {area->lowerSeries(), &RiskYear::p10},
                   {median, &RiskYear::p50}};
    AddSeries(*area);
    AddSeries(*median);
}

void ProjectionChart::AddRiskPath() {
    if (!m_riskPathShown)
        return;
    auto* line = new QLineSeries;
    line->setName(TotalAssetsName(m_riskPathName));
    line->setPen(SeriesPen(ChartSeries::RiskPath));
    line->append(FieldPoints(*m_riskPathShown, &ProjectionRow::totalAssets));
    AddSeries(*line);
    m_riskSeries.append(line);
}

void ProjectionChart::ShowScenarios(const std::vector<ChartScenario>& scenarios) {
    m_scenarios = scenarios;
    ConvertScenarios();
    const std::optional<std::int32_t> highlighted = m_highlighted;
    Rebuild();
    HighlightYear(highlighted);
}

void ProjectionChart::ConvertScenarios() {
    m_scenariosShown = m_scenarios;
    for (ChartScenario& scenario : m_scenariosShown)
        scenario.table = Shown(scenario.table);
}

void ProjectionChart::AddScenarioLines() {
    for (std::size_t i = 0; i < m_scenariosShown.size(); ++i) {
        const ProjectionTable& table = m_scenariosShown[i].table;
        auto* line = new QLineSeries;
        line->setName(TotalAssetsName(m_scenariosShown[i].name));
        line->setPen(ScenarioPen(i));
        // By year: a plan that starts in another year is drawn where its years are, before the
        // open plan's first column when it starts first.
        for (std::int32_t r = 0; r < table.rowCount; ++r)
            line->append(table.firstYear + r - m_firstYear,
                         table.rows[static_cast<std::size_t>(r)].totalAssets);
        AddSeries(*line);
        m_scenarioLines.append(line);
    }
}

YearSpan ProjectionChart::DrawnYears() const {
    std::vector<YearSpan> series{{m_firstYear, ChartColumns(m_rowCount, m_ending)}};
    if (m_variantShown)
        series.push_back({m_firstYear, m_variantShown->rowCount});
    if (m_riskPathShown)
        series.push_back({m_firstYear, m_riskPathShown->rowCount});
    if (!m_riskBandShown.empty())
        series.push_back({m_riskBandShown.front().year,
                          m_riskBandShown.back().year - m_riskBandShown.front().year + 1});
    for (const ChartScenario& scenario : m_scenariosShown)
        series.push_back({scenario.table.firstYear, scenario.table.rowCount});
    return SpanningYears(series);
}

std::int32_t ProjectionChart::FirstColumn() const {
    return m_axisYears.firstYear - m_firstYear;
}

bool ProjectionChart::OnAxis(std::int32_t column) const {
    return column >= FirstColumn() && column < FirstColumn() + m_axisYears.count;
}

ChartRoom ProjectionChart::Room() const {
    // Worked out from the chart's size and the legend's rows alone, never from the plot the
    // chart laid out last: the plot follows the labels, and the labels would follow it back.
    const qreal label = QFontMetricsF(m_years != nullptr ? m_years->labelsFont() : font()).height();
    ChartHeights heights;
    heights.chart = chart()->rect().height();
    heights.legend = m_legend->toPlainText().isEmpty() ? 0 : m_legend->boundingRect().height();
    // The chart's edges and the legend's margins; half a label above the plot, and the years
    // below it with their padding, take two and a half labels.
    heights.axes = 3 * kEdge + 2.5 * label;
    // The chart cuts a value label short unless its share of the plot holds it and its padding
    // on both sides.
    heights.labelSlot = label + 2 * kLabelPadding;
    heights.spacing = 2.5 * fontMetrics().height();
    return ShareChartHeight(heights);
}

void ProjectionChart::UpdateScales() {
    std::pair<std::int32_t, std::int32_t> span = AmountSpan(m_shown);
    const auto widen = [&span](std::int32_t lowest, std::int32_t highest) {
        span = {std::min(span.first, lowest), std::max(span.second, highest)};
    };
    if (m_variantShown) {
        const std::pair<std::int32_t, std::int32_t> variant = AmountSpan(*m_variantShown);
        widen(variant.first, variant.second);
    }
    if (m_riskPathShown) {
        const std::pair<std::int32_t, std::int32_t> path = AmountSpan(*m_riskPathShown);
        widen(path.first, path.second);
    }
    span = WidenedByBand(span, m_riskBandShown);
    for (const ChartScenario& scenario : m_scenariosShown) {
        const std::pair<std::int32_t, std::int32_t> amounts = AmountSpan(scenario.table);
        widen(amounts.first, amounts.second);
    }
    m_axisYears = DrawnYears();
    m_intervals = Room().intervals;
    m_scale = NiceValueScale(span.first, span.second, m_intervals);
    m_years->setRange(FirstColumn() - 0.5, FirstColumn() + m_axisYears.count - 0.5);
    m_amounts->setRange(m_scale.lowest, m_scale.highest);
    for (QLineSeries* line : m_verticals) {
        const qreal x = line->at(0).x();
        line->replace({QPointF(x, m_scale.lowest), QPointF(x, m_scale.highest)});
    }
    for (const auto& [line, percentile] : m_bandLines)
        line->replace(BandPoints(m_riskBandShown, m_firstYear, percentile, m_scale.highest));
    UpdateAxisLabels();
}

void ProjectionChart::UpdateAxisLabels() {
    if (m_years == nullptr)
        return;
    const QFontMetrics metrics(m_years->labelsFont());
    const qreal plotWidth =
        chart()->plotArea().width() > 0 ? chart()->plotArea().width() : width() * 0.85;
    // The chart cuts a year short unless the next is a label's width away on both sides.
    const int labelWidth = 2 * metrics.horizontalAdvance(QStringLiteral("0000"));
    const auto room = static_cast<std::int32_t>(plotWidth / std::max(1, labelWidth));
    RemoveCategories(*m_years);
    m_years->setStartValue(FirstColumn() - 1);
    for (const std::int32_t row : LabelledYearRows(m_axisYears.firstYear, m_axisYears.count, room))
        m_years->append(QString::number(m_axisYears.firstYear + row), FirstColumn() + row);

    const std::vector<double> ticks = m_scale.Ticks();
    qreal widest = 0;
    for (const double tick : ticks)
        widest = std::max<qreal>(
            widest, metrics.horizontalAdvance(AmountText(static_cast<std::int64_t>(tick))));
    const bool shortForm = widest > width() * kFullAmountShare;
    RemoveCategories(*m_amounts);
    m_amounts->setStartValue(m_scale.lowest - m_scale.step);
    for (const double tick : ticks)
        m_amounts->append(shortForm ? ShortAmountText(tick, m_scale.step)
                                    : AmountText(static_cast<std::int64_t>(tick)),
                          tick);
}

QList<QLineSeries*> ProjectionChart::AddAssetLines(const ProjectionTable& table, bool variant) {
    QList<QLineSeries*> lines;
    const auto addLine = [&](ChartSeries series, std::int32_t ProjectionRow::*field) {
        auto* line = new QLineSeries;
        line->setName(Name(series));
        line->setPen(SeriesPen(series));
        line->setPointsVisible(!variant && table.rowCount <= 40);
        line->append(FieldPoints(table, field));
        AddSeries(*line);
        lines.append(line);
    };
    addLine(variant ? ChartSeries::VariantTotalAssets : ChartSeries::TotalAssets,
            &ProjectionRow::totalAssets);
    addLine(variant ? ChartSeries::VariantAvailableAssets : ChartSeries::AvailableAssets,
            &ProjectionRow::availableAssets);
    return lines;
}

QLineSeries* ProjectionChart::AddVerticalLine(std::int32_t column, const QPen& pen) {
    if (!OnAxis(column))
        return nullptr;
    auto* line = new QLineSeries;
    line->setPen(pen);
    line->append(column, m_scale.lowest);
    line->append(column, m_scale.highest);
    AddSeries(*line);
    m_verticals.push_back(line);
    return line;
}

void ProjectionChart::UpdateLegend() {
    m_legendEntries.clear();
    if (m_rowCount == 0) {
        m_legend->setHtml(QString());
        PlaceLegend();
        return;
    }
    std::vector<ChartSeries> series{ChartSeries::Income, ChartSeries::Withdrawals,
                                    ChartSeries::TotalAssets, ChartSeries::AvailableAssets};
    if (!m_variantLines.isEmpty())
        series.insert(series.end(),
                      {ChartSeries::VariantTotalAssets, ChartSeries::VariantAvailableAssets});
    if (!m_riskBandShown.empty())
        series.insert(series.end(), {ChartSeries::RiskBand, ChartSeries::RiskMedian});
    if (m_riskPathShown)
        series.push_back(ChartSeries::RiskPath);
    const QFontMetrics legendMetrics(m_legend->font());
    const qreal legendWidth = chart()->rect().width() - 2 * kEdge;
    QStringList entries;
    for (LegendEntry entry : ChartLegend(series, m_marks)) {
        if (entry.text == Name(ChartSeries::RiskPath))
            entry.text = TotalAssetsName(m_riskPathName);
        m_legendEntries.append(entry.text);
        // An entry stays whole on its line, unless it is wider than the legend: then it
        // wraps between words rather than inside one.
        QString text = entry.text.toHtmlEscaped();
        if (legendMetrics.horizontalAdvance(entry.text) < legendWidth * 0.9)
            text.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        entries.append(LegendSample(entry) + QStringLiteral("&nbsp;") + text);
    }
    for (std::size_t i = 0; i < m_scenariosShown.size(); ++i) {
        const LegendEntry entry{TotalAssetsName(m_scenariosShown[i].name), ScenarioPen(i)};
        m_legendEntries.append(entry.text);
        entries.append(LegendSample(entry) + QStringLiteral("&nbsp;") + entry.text.toHtmlEscaped());
    }
    m_legend->setHtml(entries.join(QStringLiteral("&nbsp;&nbsp;&nbsp; ")));
    PlaceLegend();
}

void ProjectionChart::PlaceLegend() {
    const QRectF area = chart()->rect();
    m_legend->setTextWidth(std::max<qreal>(area.width() - 2 * kEdge, 1));
    const ChartRoom room = Room();
    m_legend->setVisible(room.legendShown);
    const qreal legendHeight = !room.legendShown || m_legend->toPlainText().isEmpty()
                                   ? 0
                                   : m_legend->boundingRect().height();
    m_legend->setPos(area.left() + kEdge, area.bottom() - legendHeight - kEdge);
    chart()->setMargins(QMargins(kEdge, kEdge, kEdge, static_cast<int>(legendHeight + 2 * kEdge)));
    if (m_rowCount > 0 && room.intervals != m_intervals)
        UpdateScales();
}

void ProjectionChart::ApplyPalette() {
    const QPalette colours = palette();
    setBackgroundBrush(colours.color(QPalette::Base));
    chart()->setBackgroundBrush(colours.color(QPalette::Base));
    chart()->setBackgroundPen(Qt::NoPen);
    chart()->setTitleBrush(colours.color(QPalette::Text));
    m_legend->setDefaultTextColor(colours.color(QPalette::Text));
    m_crosshair->setPen(QPen(colours.color(QPalette::Text), 1, Qt::DashLine));
    m_valueBox->setBrush(colours.color(QPalette::ToolTipBase));
    m_valueBox->setPen(QPen(colours.color(QPalette::ToolTipText), 1));
    m_valueText->setBrush(colours.color(QPalette::ToolTipText));
    for (QCategoryAxis* axis : {m_years, m_amounts})
        if (axis != nullptr)
            StyleAxis(*axis);
    UpdateLegend();
}

void ProjectionChart::StyleAxis(QCategoryAxis& axis) const {
    const QPalette colours = palette();
    axis.setLabelsBrush(colours.color(QPalette::Text));
    axis.setTitleBrush(colours.color(QPalette::Text));
    QColor grid = colours.color(QPalette::Text);
    grid.setAlpha(40);
    axis.setGridLinePen(QPen(grid, 1));
    axis.setLinePen(QPen(colours.color(QPalette::Mid), 1));
}

void ProjectionChart::HighlightYear(std::optional<std::int32_t> year) {
    if (m_highlight != nullptr) {
        std::erase(m_verticals, m_highlight);
        chart()->removeSeries(m_highlight);
        delete m_highlight;
        m_highlight = nullptr;
    }
    m_highlighted.reset();
    if (!year || m_rowCount == 0 || *year < m_firstYear || *year >= m_firstYear + ChoosableRows())
        return;
    QColor colour = palette().color(QPalette::Highlight);
    colour.setAlpha(0x60);
    m_highlight = AddVerticalLine(*year - m_firstYear, QPen(colour, 8));
    if (m_highlight != nullptr)
        m_highlighted = year;
}

std::int32_t ProjectionChart::ChoosableRows() const {
    return std::max(m_rowCount, m_riskPathShown ? m_riskPathShown->rowCount : 0);
}

QString ProjectionChart::YearSummary(std::int32_t index) const {
    QString text = QString::number(m_firstYear + index);
    // The plan's, the variant's and the path's rows start in the open plan's first column; a
    // column before it holds only another plan's year.
    const auto rowOf = [index](const ProjectionTable& table) -> const ProjectionRow* {
        return index >= 0 && index < table.rowCount ? &table.rows[static_cast<std::size_t>(index)]
                                                    : nullptr;
    };
    if (const ProjectionRow* row = rowOf(m_shown))
        text += QStringLiteral("\nIncome %1\nTotal Assets %2\nAvailable Assets %3\nWithdrawals %4")
                    .arg(AmountText(row->income), AmountText(row->totalAssets),
                         AmountText(row->availableAssets), AmountText(row->withdrawals));
    const ProjectionRow* variant =
        m_variantShown && !m_variantLines.isEmpty() ? rowOf(*m_variantShown) : nullptr;
    if (variant != nullptr)
        text += QStringLiteral("\n%1 %2\n%3 %4")
                    .arg(Name(ChartSeries::VariantTotalAssets), AmountText(variant->totalAssets),
                         Name(ChartSeries::VariantAvailableAssets),
                         AmountText(variant->availableAssets));
    const auto band =
        std::find_if(m_riskBandShown.begin(), m_riskBandShown.end(),
                     [&](const RiskYear& year) { return year.year == m_firstYear + index; });
    if (band != m_riskBandShown.end()) {
        const auto amount = [](std::int64_t value) { return AmountText(value).toStdString(); };
        const auto percentile = [&amount](const std::optional<std::int32_t>& value) {
            return QString::fromUtf8(PercentileText(value, amount));
        };
        text += QStringLiteral("\nPaths' Total Assets: 10th %1, median %2, 90th %3")
                    .arg(percentile(band->p10), percentile(band->p50), percentile(band->p90));
    }
    if (const ProjectionRow* path = m_riskPathShown ? rowOf(*m_riskPathShown) : nullptr)
        text += QStringLiteral("\n%1 %2").arg(TotalAssetsName(m_riskPathName),
                                              AmountText(path->totalAssets));
    for (const ChartScenario& scenario : m_scenariosShown) {
        const std::int32_t r = m_firstYear + index - scenario.table.firstYear;
        if (r >= 0 && r < scenario.table.rowCount)
            text += QStringLiteral("\n%1 %2").arg(
                TotalAssetsName(scenario.name),
                AmountText(scenario.table.rows[static_cast<std::size_t>(r)].totalAssets));
    }
    return text;
}

void ProjectionChart::ShowHover(const QPointF& position) {
    const QPointF scenePoint = mapToScene(position.toPoint());
    const QRectF plot = chart()->plotArea();
    if (m_rowCount == 0 || !plot.contains(scenePoint)) {
        HideHover();
        return;
    }
    const auto index = static_cast<std::int32_t>(std::lround(chart()->mapToValue(scenePoint).x()));
    if (!OnAxis(index)) {
        HideHover();
        return;
    }
    const qreal x = chart()->mapToPosition(QPointF(index, m_scale.lowest)).x();
    m_crosshair->setLine(x, plot.top(), x, plot.bottom());
    m_valueText->setText(YearSummary(index));
    const QRectF textBox = m_valueText->boundingRect().adjusted(-kEdge, -kEdge, kEdge, kEdge);
    m_valueText->setPos(kEdge, kEdge);
    m_valueBox->setRect(0, 0, textBox.width(), textBox.height());
    // Beside the crosshair, on the side with room, so that the box never hides the year.
    const qreal left = x + 2 * kEdge + textBox.width() <= plot.right()
                           ? x + 2 * kEdge
                           : std::max(plot.left(), x - 2 * kEdge - textBox.width());
    m_valueBox->setPos(left, plot.top() + kEdge);
    m_crosshair->show();
    m_valueBox->show();
}

void ProjectionChart::HideHover() {
    m_crosshair->hide();
    m_valueBox->hide();
}

QStringList ProjectionChart::YearLabels() const {
    return m_years != nullptr ? m_years->categoriesLabels() : QStringList();
}

QStringList ProjectionChart::AmountLabels() const {
    return m_amounts != nullptr ? m_amounts->categoriesLabels() : QStringList();
}

QString ProjectionChart::HoverText() const {
    return m_valueBox->isVisible() ? m_valueText->text() : QString();
}

void ProjectionChart::mousePressEvent(QMouseEvent* event) {
    if (m_rowCount > 0 && event->button() == Qt::LeftButton) {
        const QPointF value = chart()->mapToValue(chart()->mapFromScene(mapToScene(event->pos())));
        const auto index = static_cast<std::int32_t>(std::lround(value.x()));
        if (index >= 0 && index < ChoosableRows())
            emit yearChosen(m_firstYear + index);
    }
    QChartView::mousePressEvent(event);
}

void ProjectionChart::mouseMoveEvent(QMouseEvent* event) {
    ShowHover(event->position());
    QChartView::mouseMoveEvent(event);
}

void ProjectionChart::leaveEvent(QEvent* event) {
    HideHover();
    QChartView::leaveEvent(event);
}

void ProjectionChart::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0 || m_rowCount == 0) {
        QChartView::keyPressEvent(event);
        return;
    }
    const std::int32_t current = m_highlighted.value_or(step > 0 ? m_firstYear - 1 : m_firstYear);
    const std::int32_t next =
        std::clamp(current + step, m_firstYear, m_firstYear + ChoosableRows() - 1);
    emit yearChosen(next);
}

void ProjectionChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    UpdateLegend();
    HideHover();
    if (m_rowCount > 0)
        UpdateScales();
}

void ProjectionChart::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        ApplyPalette();
}
