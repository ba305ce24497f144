#include "print/ChartPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The pixels of the image's column at x, in its upper part, tinted blue: the band's fill and
// the median's line, never the white page, the gray grid or black ink.
int BluePixels(const QImage& image, int x) {
    int blue = 0;
    for (int y = 0; y < image.height() * 6 / 10; ++y) {
        const QColor colour = image.pixelColor(x, y);
        blue += colour.blue() > colour.red() + 16 ? 1 : 0;
    }
    return blue;
}

} // namespace

// A band over paths that outlast the plan's two rows: the chart runs to the band's last year
// and shades it there, from the 10th to the 90th percentile.
TEST(ChartPainterTest, BandShadesItsYearsBeyondThePlansRows) {
    int argc = 0;
    const QGuiApplication application(argc, nullptr);
    ChartPicture picture;
    picture.table.firstYear = 2000;
    picture.table.rowCount = 2;
    picture.retirementYear = 1990;
    QImage plain(800, 600, QImage::Format_RGB32);
    plain.fill(Qt::white);
    {
        QPainter painter(&plain);
        PaintChart(painter, QRectF(0, 0, 800, 600), picture);
    }
    for (std::int32_t year = 2000; year <= 2003; ++year)
        picture.band.push_back({.year = year, .paths = 10, .p10 = 0, .p50 = 500, .p90 = 1000});
    QImage banded(800, 600, QImage::Format_RGB32);
    banded.fill(Qt::white);
    {
        QPainter painter(&banded);
        PaintChart(painter, QRectF(0, 0, 800, 600), picture);
    }

    // Three quarters across: between 2002 and 2003, of four columns, past the plan's rows.
    const int pastTheRows = 600;
    EXPECT_GT(BluePixels(banded, pastTheRows), banded.height() / 4);
    EXPECT_EQ(BluePixels(plain, pastTheRows), 0);
}
