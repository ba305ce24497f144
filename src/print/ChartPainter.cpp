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
    const std::vector<LegendEntry> legend =
        ChartLegend({ChartSeries::Income, ChartSeries::Withdrawals, ChartSeries::TotalAssets,
                     ChartSeries::AvailableAssets},
                    marks);
    std::vector<PlacedEntry> placed;
    const qreal legendHeight = PlaceLegend(legend, area, metrics, placed);

    const qreal top = area.top() + metrics.height() / 2;
    const qreal bottom = area.bottom() - legendHeight - metrics.height() * 1.8;
    const auto intervals = std::clamp<std::int32_t>(
        static_cast<std::int32_t>((bottom - top) / (2.5 * metrics.height())), 1,
        kMostValueIntervals);
    const std::pair<std::int32_t, std::int32_t> span = AmountSpan(table);
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
    const std::int32_t columns = ChartColumns(table.rowCount, picture.ending);
    const qreal columnWidth = plot.width() / columns;
    const auto x = [&](double column) { return plot.left() + (column + 0.5) * columnWidth; };
    const auto y = [&](double value) {
        return plot.bottom() -
               (value - scale.lowest) / (scale.highest - scale.lowest) * plot.height();
    };

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
             table.firstYear, columns, static_cast<std::int32_t>(plot.width() / yearWidth)))
        painter.drawText(QRectF(x(row) - yearWidth, plot.bottom() + metrics.height() * 0.3,
                                2 * yearWidth, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(table.firstYear + row));

    const qreal barWidth = columnWidth * 0.35;
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        painter.fillRect(
            QRectF(QPointF(x(r) - barWidth, y(row.income)), QPointF(x(r), y(0))).normalized(),
            SeriesColor(ChartSeries::Income));
        painter.fillRect(
            QRectF(QPointF(x(r), y(row.withdrawals)), QPointF(x(r) + barWidth, y(0))).normalized(),
            SeriesColor(ChartSeries::Withdrawals));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [series, field] :
         {std::pair{ChartSeries::TotalAssets, &ProjectionRow::totalAssets},
          std::pair{ChartSeries::AvailableAssets, &ProjectionRow::availableAssets}}) {
        QPolygonF line;
        for (std::int32_t r = 0; r < table.rowCount; ++r)
            line.append(QPointF(x(r), y(table.rows[static_cast<std::size_t>(r)].*field)));
        painter.setPen(Scaled(SeriesPen(series), unit));
        painter.drawPolyline(line);
    }
    for (const ChartMark& mark : marks) {
        painter.setPen(Scaled(MarkPen(mark.kind), unit));
        const qreal at = x(mark.year - table.firstYear);
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
