#include "view/ProjectionChart.h"

#include "persist/CTessalyDoc.h"
#include "print/AmountText.h"
#include "view/MoneyDisplay.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QKeyEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace {

const QColor kTotalColor(0x1f, 0x77, 0xb4);
const QColor kAvailableColor(0x2c, 0xa0, 0x2c);
const QColor kIncomeColor(0x9e, 0xc9, 0xe2);
const QColor kWithdrawalsColor(0xf4, 0xb3, 0x7a);
const QColor kRetirementColor(0x70, 0x70, 0x70);
const QColor kUncoveredColor(0xd6, 0x27, 0x28);
const QColor kHighlightColor(0x44, 0x44, 0xaa, 0x80);
const QString kVariantSuffix = QStringLiteral(" (what if)");

// The rows' amounts, each with the year's bars and lines, and 0.
std::pair<std::int32_t, std::int32_t> AmountSpan(const ProjectionTable& table) {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        for (const std::int32_t amount :
             {row.income, row.withdrawals, row.totalAssets, row.availableAssets}) {
            lowest = std::min(lowest, amount);
            highest = std::max(highest, amount);
        }
    }
    return {lowest, highest};
}

// One point per row: the row's index and the amount of the field.
QList<QPointF> FieldPoints(const ProjectionTable& table, std::int32_t ProjectionRow::*field) {
    QList<QPointF> points;
    for (std::int32_t r = 0; r < table.rowCount; ++r)
        points.append(QPointF(r, table.rows[static_cast<std::size_t>(r)].*field));
    return points;
}

} // namespace

ProjectionChart::ProjectionChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("projectionChart"));
    setAccessibleName(QStringLiteral("Projection chart"));
    setAccessibleDescription(
        QStringLiteral("Assets, income and withdrawals by year. Left and Right choose a year."));
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    QFont legendFont = chart()->legend()->font();
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
    chart()->legend()->setFont(legendFont);
    chart()->setMargins(QMargins(4, 4, 4, 4));
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
        Rebuild();
        HighlightYear(highlighted);
    });
}

ProjectionTable ProjectionChart::Shown(const ProjectionTable& table) const {
    if (m_display == nullptr || !m_display->ShowsTodaysMoney())
        return table;
    ProjectionTable shown = table;
    for (std::int32_t r = 0; r < shown.rowCount; ++r) {
        ProjectionRow& row = shown.rows[static_cast<std::size_t>(r)];
        for (std::int32_t* amount :
             {&row.income, &row.withdrawals, &row.totalAssets, &row.availableAssets})
            *amount = static_cast<std::int32_t>(m_display->Shown(*amount, shown.firstYear + r));
    }
    return shown;
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
    m_verticals.clear();
    m_rowCount = 0;
    if (m_pPlanDoc == nullptr || m_pPlanDoc->ShownResults().rowCount == 0)
        return;

    m_shown = Shown(m_pPlanDoc->ShownResults());
    const ProjectionTable& table = m_shown;
    m_firstYear = table.firstYear;
    m_rowCount = table.rowCount;
    auto* income = new QBarSet(QStringLiteral("Income"));
    auto* withdrawals = new QBarSet(QStringLiteral("Withdrawals"));
    income->setColor(kIncomeColor);
    withdrawals->setColor(kWithdrawalsColor);
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        income->append(row.income);
        withdrawals->append(row.withdrawals);
    }
    auto* bars = new QBarSeries;
    bars->append(income);
    bars->append(withdrawals);
    drawing->addSeries(bars);

    m_years = new QBarCategoryAxis;
    m_amounts = new QValueAxis;
    m_amounts->setLabelFormat(QStringLiteral("%d"));
    if (m_display != nullptr && m_display->ShowsTodaysMoney())
        m_amounts->setTitleText(QStringLiteral("In %1 money").arg(m_display->CurrentYear()));
    drawing->addAxis(m_years, Qt::AlignBottom);
    drawing->addAxis(m_amounts, Qt::AlignLeft);
    bars->attachAxis(m_years);
    bars->attachAxis(m_amounts);
    connect(
        income, &QBarSet::hovered, this,
        [this](bool on, int index) {
            if (on)
                ShowSummary(index);
        });
    connect(withdrawals, &QBarSet::hovered, this, [this](bool on, int index) {
        if (on)
            ShowSummary(index);
    });

    AddAssetLines(table, Qt::SolidLine, QString());
    AddVariantLines();
    UpdateScales();

    const std::int32_t retirement = m_pPlanDoc->ShownPlan().retirementDate.GetYear();
    AddMarker(QStringLiteral("Retirement %1").arg(retirement), retirement, kRetirementColor, 2,
              Qt::DashLine);
    const std::int32_t lastYear = table.firstYear + table.rowCount - 1;
    if (!m_pPlanDoc->ShownLastRowCovered())
        AddMarker(QStringLiteral("%1 not covered").arg(lastYear), lastYear, kUncoveredColor, 3,
                  Qt::SolidLine);
}

void ProjectionChart::ShowVariant(const std::optional<ProjectionTable>& variant) {
    m_variant = variant;
    if (m_rowCount == 0)
        return;
    if (m_variant && !m_variantLines.isEmpty()) {
        // A slider move: new points on the lines there are, no new series for the legend.
        const ProjectionTable shown = Shown(*m_variant);
        for (const auto& [line, field] :
             {std::pair{m_variantLines[0], &ProjectionRow::totalAssets},
              std::pair{m_variantLines[1], &ProjectionRow::availableAssets}})
            line->replace(FieldPoints(shown, field));
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
}

void ProjectionChart::AddVariantLines() {
    if (m_variant)
        m_variantLines = AddAssetLines(Shown(*m_variant), Qt::DashLine, kVariantSuffix);
}

void ProjectionChart::UpdateScales() {
    std::pair<std::int32_t, std::int32_t> span = AmountSpan(m_shown);
    std::int32_t yearCount = m_rowCount;
    if (m_variant) {
        const std::pair<std::int32_t, std::int32_t> variant = AmountSpan(Shown(*m_variant));
        span = {std::min(span.first, variant.first), std::max(span.second, variant.second)};
        yearCount = std::max(yearCount, m_variant->rowCount);
    }
    QStringList years;
    for (std::int32_t r = 0; r < yearCount; ++r)
        years.append(QString::number(m_firstYear + r));
    // The bars fill an empty axis with their own numbers: compare the years, not the count.
    if (m_years->categories() != years)
        m_years->setCategories(years);
    m_amounts->setRange(span.first, span.second);
    m_amounts->applyNiceNumbers();
    for (QLineSeries* line : m_verticals) {
        const qreal x = line->at(0).x();
        line->replace({QPointF(x, m_amounts->min()), QPointF(x, m_amounts->max())});
    }
}

QList<QLineSeries*> ProjectionChart::AddAssetLines(const ProjectionTable& table, Qt::PenStyle style,
                                                   const QString& suffix) {
    QList<QLineSeries*> lines;
    const auto addLine = [&](const QString& name, const QColor& color, auto field) {
        auto* line = new QLineSeries;
        line->setName(name + suffix);
        QPen pen(color, 2, style);
        line->setPen(pen);
        line->setPointsVisible(true);
        line->append(FieldPoints(table, field));
        chart()->addSeries(line);
        line->attachAxis(m_years);
        line->attachAxis(m_amounts);
        connect(line, &QLineSeries::hovered, this, [this](const QPointF& point, bool on) {
            if (on)
                ShowSummary(static_cast<std::int32_t>(std::lround(point.x())));
        });
        lines.append(line);
    };
    addLine(QStringLiteral("Total Assets"), kTotalColor, &ProjectionRow::totalAssets);
    addLine(QStringLiteral("Available Assets"), kAvailableColor, &ProjectionRow::availableAssets);
    return lines;
}

QLineSeries* ProjectionChart::AddVerticalLine(std::int32_t year, const QColor& color, qreal width,
                                              Qt::PenStyle style) {
    const std::int32_t index = year - m_firstYear;
    if (index < 0 || index >= m_rowCount)
        return nullptr;
    auto* line = new QLineSeries;
    line->setPen(QPen(color, width, style));
    line->append(index, m_amounts->min());
    line->append(index, m_amounts->max());
    chart()->addSeries(line);
    line->attachAxis(m_years);
    line->attachAxis(m_amounts);
    m_verticals.push_back(line);
    return line;
}

void ProjectionChart::AddMarker(const QString& name, std::int32_t year, const QColor& color,
                                qreal width, Qt::PenStyle style) {
    if (QLineSeries* line = AddVerticalLine(year, color, width, style))
        line->setName(name);
}

void ProjectionChart::HighlightYear(std::optional<std::int32_t> year) {
    if (m_highlight != nullptr) {
        std::erase(m_verticals, m_highlight);
        chart()->removeSeries(m_highlight);
        delete m_highlight;
        m_highlight = nullptr;
    }
    m_highlighted.reset();
    if (!year || m_rowCount == 0)
        return;
    m_highlight = AddVerticalLine(*year, kHighlightColor, 8, Qt::SolidLine);
    if (m_highlight == nullptr)
        return;
    m_highlighted = year;
    // The highlight is no series of its own to the reader: no legend entry.
    for (QLegendMarker* marker : chart()->legend()->markers(m_highlight))
        marker->setVisible(false);
}

QString ProjectionChart::YearSummary(std::int32_t index) const {
    const ProjectionRow& row = m_shown.rows[static_cast<std::size_t>(index)];
    return QStringLiteral("%1\nIncome %2\nTotal Assets %3\nAvailable Assets %4\nWithdrawals %5")
        .arg(QString::number(m_firstYear + index), AmountText(row.income),
             AmountText(row.totalAssets), AmountText(row.availableAssets),
             AmountText(row.withdrawals));
}

void ProjectionChart::ShowSummary(std::int32_t index) {
    if (index >= 0 && index < m_rowCount)
        QToolTip::showText(QCursor::pos(), YearSummary(index), this);
}

void ProjectionChart::mousePressEvent(QMouseEvent* event) {
    if (m_rowCount > 0 && event->button() == Qt::LeftButton) {
        const QPointF value = chart()->mapToValue(chart()->mapFromScene(mapToScene(event->pos())));
        const auto index = static_cast<std::int32_t>(std::lround(value.x()));
        if (index >= 0 && index < m_rowCount)
            emit yearChosen(m_firstYear + index);
    }
    QChartView::mousePressEvent(event);
}

void ProjectionChart::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0 || m_rowCount == 0) {
        QChartView::keyPressEvent(event);
        return;
    }
    const std::int32_t current = m_highlighted.value_or(step > 0 ? m_firstYear - 1 : m_firstYear);
    const std::int32_t next = std::clamp(current + step, m_firstYear, m_firstYear + m_rowCount - 1);
    emit yearChosen(next);
}
