#include "print/ChartPainter.h"

#include "print/AmountText.h"
#include "print/ChartStyle.h"
#include "report/ChartRoom.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A label in full may take this share of the chart's width before the short form is used.
constexpr qreal kFullAmountShare = 0.16;
const QColor kInk(0x20, 0x20, 0x20);
const QColor kGrid(0xd8, 0xd8, 0xd8);

struct PlacedEntry {
    QPointF at;
    LegendEntry entry;
};

// The legend's entries placed in rows from the area's top left, wrapping before an entry that
// would pass the right edge; returns the rows' height.
qreal PlaceLegend(const std::vector<LegendEntry>& legend, const QRectF& area,
                  const QFontMetricsF& metrics, std::vector<PlacedEntry>& placed) {
    const qreal sample = metrics.height() * 1.5;
    const qreal gap = metrics.height();
    const qreal rowHeight = metrics.height() * 1.3;
    qreal x = area.left();
    qreal y = 0;
    for (const LegendEntry& entry : legend) {
        const qreal width = sample + gap / 3 + metrics.horizontalAdvance(entry.text);
        if (x > area.left() && x + width > area.right()) {
            x = area.left();
            y += rowHeight;
        }
        placed.push_back({QPointF(x, y), entry});
        x += width + gap;
    }
    return legend.empty() ? 0 : y + rowHeight;
}

QPen Scaled(QPen pen, qreal unit) {
    pen.setWidthF(pen.widthF() * unit);
    return pen;
}

} // namespace

void PaintChart(QPainter& painter, const QRectF& area, const ChartPicture& picture) {
    const ProjectionTable& table = picture.table;
    if (table.rowCount <= 0)
        return;
    painter.save();
    // Pens are given in screen pixels; the page may have many more dots to the inch.
    const qreal unit = painter.device()->logicalDpiY() / 96.0;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const std::vector<ChartMark> marks =
        ChartMarks(table.firstYear, table.rowCount, picture.retirementYear, picture.ending);
    std::vector<ChartSeries> series{ChartSeries::Income, ChartSeries::Withdrawals,
                                    ChartSeries::TotalAssets, ChartSeries::AvailableAssets};
    if (!picture.band.empty())
        series.insert(series.end(), {ChartSeries::RiskBand, ChartSeries::RiskMedian});
    std::vector<LegendEntry> legend = ChartLegend(series, marks);
    std::vector<YearSpan> drawn{{table.firstYear, ChartColumns(table.rowCount, picture.ending)}};
    std::pair<std::int32_t, std::int32_t> span = AmountSpan(table);
    // Paths can outlast the plan's own projection: the years run to the longest.
    if (!picture.band.empty())
        drawn.push_back(
            {picture.band.front().year, static_cast<std::int32_t>(picture.band.size())});
    span = WidenedByBand(span, picture.band);
    for (std::size_t i = 0; i < picture.scenarios.size(); ++i) {
        const ChartScenario& scenario = picture.scenarios[i];
        legend.push_back(
            {QString::fromUtf8(TotalAssetsOf(scenario.name.toStdString())), ScenarioPen(i)});
        drawn.push_back({scenario.table.firstYear, scenario.table.rowCount});
        const std::pair<std::int32_t, std::int32_t> amounts = AmountSpan(scenario.table);
        span = {std::min(span.first, amounts.first), std::max(span.second, amounts.second)};
    }
    const YearSpan years = SpanningYears(drawn);
    std::vector<PlacedEntry> placed;
    const qreal legendHeight = PlaceLegend(legend, area, metrics, placed);

    const qreal titleHeight = picture.amountTitle.isEmpty() ? 0 : metrics.height() * 1.3;
    const qreal top = area.top() + titleHeight + metrics.height() / 2;
    const qreal bottom = area.bottom() - legendHeight - metrics.height() * 1.8;
    const auto intervals = std::clamp<std::int32_t>(
        static_cast<std::int32_t>((bottom - top) / (2.5 * metrics.height())), 1,
        kMostValueIntervals);
    const ValueScale scale = NiceValueScale(span.first, span.second, intervals);
    const std::vector<double> ticks = scale.Ticks();
    qreal widest = 0;
    for (const double tick : ticks)
        widest = std::max(widest,
                          metrics.horizontalAdvance(AmountText(static_cast<std::int64_t>(tick))));
    const bool shortForm = widest > area.width() * kFullAmountShare;
    std::vector<QString> tickLabels;
    widest = 0;
    for (const double tick : ticks) {
        tickLabels.push_back(shortForm ? ShortAmountText(tick, scale.step)
                                       : AmountText(static_cast<std::int64_t>(tick)));
        widest = std::max(widest, metrics.horizontalAdvance(tickLabels.back()));
    }
    const QRectF plot(QPointF(area.left() + widest + metrics.height() / 2, top),
                      QPointF(area.right() - metrics.height() / 2, bottom));
    const qreal columnWidth = plot.width() / years.count;
    const auto x = [&](std::int64_t year) {
        return plot.left() + (static_cast<qreal>(year - years.firstYear) + 0.5) * columnWidth;
    };
    const auto y = [&](double value) {
        return plot.bottom() -
               (value - scale.lowest) / (scale.highest - scale.lowest) * plot.height();
    };

    painter.setPen(kInk);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop, picture.amountTitle);
    painter.setPen(Scaled(QPen(kGrid, 1), unit));
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        painter.drawLine(QPointF(plot.left(), y(ticks[i])), QPointF(plot.right(), y(ticks[i])));
        const QRectF label(area.left(), y(ticks[i]) - metrics.height() / 2, widest,
                           metrics.height());
        painter.setPen(kInk);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tickLabels[i]);
        painter.setPen(Scaled(QPen(kGrid, 1), unit));
    }
    const qreal yearWidth = metrics.horizontalAdvance(QStringLiteral("0000")) +
                            2 * metrics.horizontalAdvance(QLatin1Char(' '));
    painter.setPen(kInk);
    for (const std::int32_t row : LabelledYearRows(
             years.firstYear, years.count, static_cast<std::int32_t>(plot.width() / yearWidth))) {
        const std::int64_t year = std::int64_t{years.firstYear} + row;
        painter.drawText(QRectF(x(year) - yearWidth, plot.bottom() + metrics.height() * 0.3,
                                2 * yearWidth, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(year));
    }

    // A percentile beyond the calculation limit has no amount: it is drawn at the top.
    const auto percentile = [&](const std::optional<std::int32_t>& amount) {
        return amount ? y(*amount) : plot.top();
    };
    if (!picture.band.empty()) {
        // Behind the plan's bars and lines, which read through it.
        QPolygonF band;
        for (const RiskYear& year : picture.band)
            band.append(QPointF(x(year.year), percentile(year.p90)));
        for (auto year = picture.band.rbegin(); year != picture.band.rend(); ++year)
            band.append(QPointF(x(year->year), percentile(year->p10)));
        painter.save();
        // The paths that do best may run off the top, which the scale keeps for the plan.
        painter.setClipRect(plot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(SeriesFill(ChartSeries::RiskBand));
        painter.drawPolygon(band);
        painter.restore();
    }
    const qreal barWidth = columnWidth * 0.35;
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        const qreal at = x(std::int64_t{table.firstYear} + r);
        painter.fillRect(
            QRectF(QPointF(at - barWidth, y(row.income)), QPointF(at, y(0))).normalized(),
            SeriesColor(ChartSeries::Income));
        painter.fillRect(
            QRectF(QPointF(at, y(row.withdrawals)), QPointF(at + barWidth, y(0))).normalized(),
            SeriesColor(ChartSeries::Withdrawals));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const auto drawLine = [&](const ProjectionTable& lineTable, std::int32_t ProjectionRow::*field,
                              const QPen& pen) {
        QPolygonF line;
        for (std::int32_t r = 0; r < lineTable.rowCount; ++r)
            line.append(QPointF(x(std::int64_t{lineTable.firstYear} + r),
                                y(lineTable.rows[static_cast<std::size_t>(r)].*field)));
        painter.setPen(Scaled(pen, unit));
        painter.drawPolyline(line);
    };
    drawLine(table, &ProjectionRow::totalAssets, SeriesPen(ChartSeries::TotalAssets));
    drawLine(table, &ProjectionRow::availableAssets, SeriesPen(ChartSeries::AvailableAssets));
    if (!picture.band.empty()) {
        QPolygonF median;
        for (const RiskYear& year : picture.band)
            median.append(QPointF(x(year.year), percentile(year.p50)));
        painter.setPen(Scaled(SeriesPen(ChartSeries::RiskMedian), unit));
        painter.drawPolyline(median);
    }
    for (std::size_t i = 0; i < picture.scenarios.size(); ++i)
        drawLine(picture.scenarios[i].table, &ProjectionRow::totalAssets, ScenarioPen(i));
    for (const ChartMark& mark : marks) {
        painter.setPen(Scaled(MarkPen(mark.kind), unit));
        const qreal at = x(mark.year);
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    }
    painter.setPen(Scaled(QPen(kInk, 1), unit));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.topLeft(), plot.bottomLeft());

    const qreal legendTop = area.bottom() - legendHeight;
    const qreal sample = metrics.height() * 1.5;
    for (const PlacedEntry& entry : placed) {
        const qreal middle = legendTop + entry.at.y() + metrics.height() / 2;
        if (entry.entry.filled) {
            painter.fillRect(
                QRectF(entry.at.x() + sample / 4, middle - sample / 4, sample / 2, sample / 2),
                entry.entry.pen.color());
        } else {
            painter.setPen(Scaled(entry.entry.pen, unit));
            painter.drawLine(QPointF(entry.at.x(), middle), QPointF(entry.at.x() + sample, middle));
        }
        painter.setPen(kInk);
        painter.drawText(QPointF(entry.at.x() + sample + metrics.height() / 3,
                                 legendTop + entry.at.y() + metrics.ascent()),
                         entry.entry.text);
    }
    painter.restore();
}
