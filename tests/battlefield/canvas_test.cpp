#include "battlefield/canvas.h"

#include <QImage>
#include <cstdlib>
#include <memory>
#include <set>
#include <utility>

#include <gtest/gtest.h>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// Every pixel of the picture in colour c.
Pixels pixels_of(const Canvas& canvas, Color c)
{
    Pixels out;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) == c)
                out.insert({x, y});
    return out;
}

Pixels box(int x1, int y1, int x2, int y2)
{
    Pixels out;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            out.insert({x, y});
    return out;
}

} // namespace

TEST(CanvasLine, LeavesOutTheEndPointInEveryDirection)
{
    struct Case {
        int x1, y1, x2, y2;
    } cases[] = {
        {10, 10, 20, 10}, {20, 10, 10, 10}, {10, 10, 10, 25}, {10, 25, 10, 10},
        {10, 10, 22, 19}, {22, 19, 10, 10}, {10, 30, 14, 10}, {30, 30, 15, 45},
    };
    for (const Case& c : cases) {
        Canvas canvas(64, 64);
        canvas.set_pen_color(clBlack);
        canvas.line(c.x1, c.y1, c.x2, c.y2);
        const Pixels black = pixels_of(canvas, clBlack);
        const std::size_t length = std::max(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1));
        EXPECT_EQ(black.size(), length) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_TRUE(black.count({c.x1, c.y1}));
        EXPECT_FALSE(black.count({c.x2, c.y2}));
    }
}

TEST(CanvasLine, PenStandsAtTheEndPointSoLinesChainWithoutGaps)
{
    Canvas canvas(32, 32);
    canvas.set_pen_color(clBlack);
    canvas.move_to(2, 2);
    canvas.line_to(10, 2);
    canvas.line_to(10, 8);
    EXPECT_EQ(pixels_of(canvas, clBlack), []() {
        Pixels p = box(2, 2, 10, 2);
        p.merge(box(10, 3, 10, 7));
        return p;
    }());
}

TEST(CanvasLine, ZeroLengthLineDrawsARoundDotThatTheShellEraseRectangleCovers)
{
    const int X = 20, Y = 20;
    Canvas canvas(40, 40);
    canvas.set_pen_color(clBlack);
    canvas.set_pen_width(4);
    canvas.line(X, Y, X, Y);
    Pixels expected = box(X - 2, Y - 2, X + 1, Y + 1);
    for (auto corner : {std::pair{X - 2, Y - 2}, {X + 1, Y - 2}, {X - 2, Y + 1}, {X + 1, Y + 1}})
        expected.erase(corner);
    EXPECT_EQ(pixels_of(canvas, clBlack), expected);

    canvas.set_brush_color(clWhite);
    canvas.fill_rect(X - 2, Y - 2, X + 2, Y + 2);
    EXPECT_TRUE(pixels_of(canvas, clBlack).empty());

    // The one-pixel pen's dot is one pixel; the muzzle flash's 8-wide one stays in its
    // -4..3 square and is a disc, not a square.
    struct Case {
        int width;
        std::size_t count;
    } widths[] = {{1, 1}, {8, 52}};
    for (const Case& w : widths) {
        Canvas c(40, 40);
        c.set_pen_color(clBlack);
        c.set_pen_width(w.width);
        c.line(X, Y, X, Y);
        const Pixels dot = pixels_of(c, clBlack);
        EXPECT_EQ(dot.size(), w.count) << w.width;
        const int lo = -(w.width / 2), hi = w.width - 1 - w.width / 2;
        for (const auto& [x, y] : dot) {
            EXPECT_GE(x - X, lo);
            EXPECT_LE(x - X, hi);
            EXPECT_GE(y - Y, lo);
            EXPECT_LE(y - Y, hi);
        }
    }
}

TEST(CanvasRectangle, LeavesOutRightColumnAndBottomRowWithCornersInEitherOrder)
{
    struct Corners {
        int x1, y1, x2, y2;
    } orders[] = {{5, 6, 12, 10}, {12, 10, 5, 6}, {12, 6, 5, 10}, {5, 10, 12, 6}};
    for (const Corners& o : orders) {
        Canvas canvas(20, 20);
        canvas.set_pen_color(clBlack);
        canvas.set_brush_color(clRed);
        canvas.rectangle(o.x1, o.y1, o.x2, o.y2);
        EXPECT_EQ(pixels_of(canvas, clRed), box(6, 7, 10, 8)) << o.x1 << "," << o.y1;
        Pixels outline = box(5, 6, 11, 9);
        for (const auto& p : box(6, 7, 10, 8))
            outline.erase(p);
        EXPECT_EQ(pixels_of(canvas, clBlack), outline);

        Canvas filled(20, 20);
        filled.set_brush_color(clBlue);
        filled.fill_rect(o.x1, o.y1, o.x2, o.y2);
        EXPECT_EQ(pixels_of(filled, clBlue), box(5, 6, 11, 9));
    }
}

TEST(CanvasRectangle, EmptyAndOffPictureRectanglesChangeNothing)
{
    Canvas canvas(20, 20);
    canvas.set_brush_color(clRed);
    canvas.rectangle(5, 5, 5, 9);
    canvas.fill_rect(5, 5, 9, 5);
    canvas.fill_rect(-30, -30, -1, 40);
    canvas.fill_rect(20, 0, 50, 20);
    EXPECT_TRUE(pixels_of(canvas, clRed).empty());
    EXPECT_TRUE(canvas.take_dirty().isEmpty());
}

TEST(CanvasBrush, PatternRepeatsFromTheOriginAndAColourDropsIt)
{
    QImage pattern(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            pattern.setPixel(x, y, to_qrgb(static_cast<Color>(0x10 * (y * 3 + x + 1))));
    Canvas canvas(40, 30);
    canvas.set_brush_pattern(&pattern);
    EXPECT_EQ(canvas.brush_pattern(), &pattern);
    canvas.fill_rect(5, 7, 24, 15);
    for (int y = 7; y < 15; ++y)
        for (int x = 5; x < 24; ++x)
            ASSERT_EQ(canvas.pixel(x, y), from_qrgb(pattern.pixel(x % 3, y % 2))) << x << "," << y;

    canvas.set_brush_color(clMaroon);
    EXPECT_EQ(canvas.brush_pattern(), nullptr);
    canvas.fill_rect(0, 20, 40, 30);
    EXPECT_EQ(pixels_of(canvas, clMaroon), box(0, 20, 39, 29));
}

TEST(CanvasBrush, ReleasingThePatternPictureLeavesTheBrushUsable)
{
    auto sky = std::make_unique<QImage>(4, 4, QImage::Format_RGB32);
    sky->fill(to_qrgb(clAqua));
    Canvas canvas(16, 16);
    canvas.set_brush_pattern(sky.get());
    sky.reset();
    canvas.fill_rect(0, 0, 8, 8);
    EXPECT_EQ(pixels_of(canvas, clAqua), box(0, 0, 7, 7));
}

TEST(CanvasEllipse, FillsExactlyThePixelCentresInsideAndOutlinesTheRim)
{
    struct Box {
        int x1, y1, x2, y2;
    } boxes[] = {{10, 10, 30, 30}, {10, 10, 11, 11}, {5, 8, 40, 17}, {20, 3, 9, 26},
                 {-12, -7, 14, 9}, {30, 30, 70, 70}, {10, 10, 13, 14}};
    for (const Box& b : boxes) {
        Canvas canvas(48, 48);
        canvas.set_pen_color(clBlack);
        canvas.set_brush_color(clRed);
        canvas.ellipse(b.x1, b.y1, b.x2, b.y2);
        const int x1 = std::min(b.x1, b.x2), x2 = std::max(b.x1, b.x2);
        const int y1 = std::min(b.y1, b.y2), y2 = std::max(b.y1, b.y2);
        const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
        const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
        auto inside = [&](int x, int y) {
            if (x < x1 || x >= x2 || y < y1 || y >= y2)
                return false;
            const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            return nx * nx + ny * ny <= 1.0 + 1e-9;
        };
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                Color want = clWhite;
                if (inside(x, y)) {
                    const bool rim = !inside(x - 1, y) || !inside(x + 1, y)
                        || !inside(x, y - 1) || !inside(x, y + 1);
                    want = rim ? clBlack : clRed;
                }
                ASSERT_EQ(canvas.pixel(x, y), want)
                    << "box " << b.x1 << "," << b.y1 << "," << b.x2 << "," << b.y2 << " at " << x
                    << "," << y;
            }
        }
    }
}

TEST(CanvasEllipse, CircleTouchesEverySideOfItsBoxAndNothingOutside)
{
    Canvas canvas(64, 64);
    canvas.set_pen_color(clBlack);
    canvas.set_brush_color(clYellow);
    canvas.ellipse(12, 12, 32, 32);
    const Pixels painted = [&] {
        Pixels p = pixels_of(canvas, clBlack);
        p.merge(pixels_of(canvas, clYellow));
        return p;
    }();
    int minx = 99, maxx = -1, miny = 99, maxy = -1;
    for (const auto& [x, y] : painted) {
        minx = std::min(minx, x), maxx = std::max(maxx, x);
        miny = std::min(miny, y), maxy = std::max(maxy, y);
    }
    EXPECT_EQ(minx, 12);
    EXPECT_EQ(maxx, 31);
    EXPECT_EQ(miny, 12);
    EXPECT_EQ(maxy, 31);
    EXPECT_EQ(canvas.pixel(22, 22), clYellow);
    EXPECT_EQ(canvas.pixel(12, 22), clBlack);
}

TEST(CanvasDirty, CoversWhatEachOperationChangedClippedToThePicture)
{
    Canvas canvas(100, 80);
    EXPECT_TRUE(canvas.take_dirty().isEmpty());

    canvas.set_brush_color(clRed);
    canvas.fill_rect(90, 70, 120, 100);
    EXPECT_EQ(canvas.take_dirty(), QRect(90, 70, 10, 10));
    EXPECT_TRUE(canvas.take_dirty().isEmpty());

    canvas.set_pen_color(clBlack);
    canvas.line(10, 50, 10, -20);
    canvas.line(30, 5, 40, 9);
    EXPECT_EQ(canvas.take_dirty(), QRect(QPoint(10, 0), QPoint(39, 50)));

    canvas.set_pen_width(4);
    canvas.line(0, 0, 0, 0);
    EXPECT_EQ(canvas.take_dirty(), QRect(0, 0, 2, 2));

    canvas.ellipse(-10, 60, 10, 100);
    const QRect r = canvas.take_dirty();
    EXPECT_EQ(r.left(), 0);
    EXPECT_EQ(r.bottom(), 79);
    EXPECT_LE(r.right(), 9);
}

TEST(CanvasImage, DrawingLeavesACopyOfThePictureAlone)
{
    Canvas canvas(20, 20);
    const QImage before = canvas.image();
    canvas.set_brush_color(clRed);
    canvas.fill_rect(0, 0, 20, 20);
    canvas.set_pen_color(clBlack);
    canvas.line(0, 5, 0, 15);
    EXPECT_EQ(before.pixel(0, 10), to_qrgb(clWhite));
    EXPECT_EQ(canvas.pixel(0, 10), clBlack);
}

TEST(CanvasImage, DrawImageCopiesFromTheOriginCutToThePicture)
{
    QImage source(30, 5, QImage::Format_ARGB32);
    source.fill(qRgb(0, 0, 255));
    Canvas canvas(20, 20);
    canvas.draw_image(source);
    EXPECT_EQ(pixels_of(canvas, clBlue).size(), 20u * 5u);
    EXPECT_EQ(canvas.take_dirty(), QRect(0, 0, 20, 5));
}
