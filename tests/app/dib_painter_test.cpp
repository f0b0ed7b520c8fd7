// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dib_painter.h"
#include "core/dib_image.h"
#include "testkit/bmp_builder.h"
#include "tests/support/temp_dir.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

TEST(DibPainter, ScaledSizeTruncates)
{
    EXPECT_EQ(ScaledSize({101, 51}, 150), QSize(151, 76));
    EXPECT_EQ(ScaledSize({100, 50}, 250), QSize(250, 125));
    EXPECT_EQ(ScaledSize({4, 4}, 20), QSize(0, 0));
    // Magnifications only a document file can bring.
    EXPECT_EQ(ScaledSize({4096, 4096}, 1000000), QSize(40960000, 40960000));
    EXPECT_EQ(ScaledSize({4096, 1}, INT32_MAX), QSize(1 << 30, 21474836));
    EXPECT_EQ(ScaledSize({4096, 4096}, -100), QSize(0, 0));
}

TEST(DibPainter, SourceRectCoversExactlyTheExposedTarget)
{
    struct Case {
        QSize picture, scaled;
        QRect target, source;
    } const cases[] = {
        {{10, 10}, {100, 100}, {0, 0, 100, 100}, {0, 0, 10, 10}},
        {{10, 10}, {100, 100}, {15, 25, 10, 10}, {1, 2, 2, 2}},      // straddles cells
        {{10, 10}, {100, 100}, {20, 30, 10, 10}, {2, 3, 1, 1}},      // exactly one cell
        {{10, 10}, {100, 100}, {95, 95, 50, 50}, {9, 9, 1, 1}},      // runs off the picture
        {{10, 10}, {100, 100}, {100, 0, 10, 10}, {}},                // beside it
        {{4096, 4096}, {40960, 40960}, {20000, 30000, 800, 600}, {2000, 3000, 80, 60}},
        {{101, 51}, {151, 76}, {150, 75, 1, 1}, {100, 50, 1, 1}},
        {{4, 4}, {0, 0}, {0, 0, 10, 10}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(SourceRectFor(c.picture, c.scaled, c.target), c.source) << c.source.x();
}

// Colour of picture pixel (x, y) at magnification zoom, read from the drawing.
class DrawDibTest : public testing::Test {
protected:
    [[nodiscard]] bool Load(int nWidth, int nHeight)
    {
        WriteFile(dir.File("p.bmp"), BuildBmp(nWidth, nHeight, PatternPixel));
        return image.Load(dir.File("p.bmp")) == DibLoadResult::Loaded;
    }

    // Draws with the content scrolled to origin, exposing a window of the given size.
    QImage Draw(int nZoom, QPoint origin, QSize window)
    {
        QImage out(window, QImage::Format_RGB32);
        out.fill(Qt::black);
        QPainter painter(&out);
        painter.translate(-origin);
        DrawDib(painter, image, nZoom, QRect(origin, window));
        return out;
    }

    static QColor Expected(int x, int y)
    {
        const Rgb rgb = PatternPixel(x, y);
        return QColor(rgb.r, rgb.g, rgb.b);
    }

    TempDir dir;
    CDibImage image;
};

TEST_F(DrawDibTest, DrawsTopRowFirstInItsOwnColoursAtEachMagnification)
{
    // A single column and a single row too, the narrowest pictures there are.
    for (const QSize size : {QSize(7, 5), QSize(1, 3), QSize(3, 1)}) {
        ASSERT_TRUE(Load(size.width(), size.height()));
        for (const int nZoom : {100, 200, 300, 1000}) {
            const int nCell = nZoom / 100;
            const QImage out = Draw(nZoom, {0, 0}, size * nCell + QSize(5, 5));
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    EXPECT_EQ(out.pixelColor(x * nCell + nCell / 2, y * nCell + nCell / 2), Expected(x, y))
                        << size.width() << "x" << size.height() << " at " << nZoom << " " << x << "," << y;
            EXPECT_EQ(out.pixelColor(size.width() * nCell, 0), QColor(Qt::black)) << "nothing beyond the picture";
        }
    }
}

TEST_F(DrawDibTest, LargePictureAtTopMagnificationDrawsOnlyTheExposedWindowQuickly)
{
    // Made in memory, and only the rows around the window filled: writing,
    // reading or colouring the whole picture would cost many times the
    // drawing under test, and a misplaced drawing still shows as black.
    ASSERT_TRUE(image.Create(4096, 4096));
    for (int y = 3000; y < 3200; ++y) {
        std::uint8_t* pRow = image.m_pDispBits + (4095 - y) * image.GetStride();
        for (int x = 0; x < 4096; ++x) {
            const Rgb rgb = PatternPixel(x, y);
            pRow[3 * x] = rgb.b;
            pRow[3 * x + 1] = rgb.g;
            pRow[3 * x + 2] = rgb.r;
        }
    }
    const QPoint origin(27003, 31007);
    QElapsedTimer timer;
    timer.start();
    QImage out;
    for (int i = 0; i < 20; ++i) out = Draw(1000, origin, {800, 600});
    // A scaled copy alone would be 40960 x 40960 pixels; twenty window paints
    // take a few milliseconds each.
    EXPECT_LT(timer.elapsed(), 2000);
    for (const QPoint p : {QPoint(0, 0), QPoint(799, 599), QPoint(400, 300)}) {
        const QPoint content = origin + p;
        EXPECT_EQ(out.pixelColor(p), Expected(content.x() / 10, content.y() / 10)) << p.x() << "," << p.y();
    }
}

} // namespace
