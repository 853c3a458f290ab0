#include "battlefield/drawing.h"
#include "tests/support/recorders.h"

#include <QImage>

namespace {

constexpr Color znacka = clFuchsia; // a colour the game never draws with

class DrawingTest : public PlatformTest {
protected:
    Canvas canvas;

    void SetUp() override
    {
        PlatformTest::SetUp();
        vysky.fill(0);
        for (int c = 0; c <= W; ++c)
            vysky[c] = 300;
    }

    // Which of rows y1..y2 of column x are in colour c, as a string of '#' and '.'.
    std::string column(int x, int y1, int y2, Color c) const
    {
        std::string s;
        for (int y = y1; y <= y2; ++y)
            s += canvas.pixel(x, y) == c ? '#' : '.';
        return s;
    }

    bool all(int x1, int y1, int x2, int y2, Color c) const
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (canvas.pixel(x, y) != c)
                    return false;
        return true;
    }

    void stand(int p, int x, int y, int uhel, Color barva)
    {
        hrac[p].x = x;
        hrac[p].y = y;
        hrac[p].uhel = uhel;
        hrac[p].barva = barva;
    }

    // Paints the ground rows of every column in the marker colour, so that a repair shows
    // exactly which columns it redrew.
    void mark_ground()
    {
        canvas.set_brush_color(znacka);
        canvas.fill_rect(0, 250, 800, H);
    }
};

} // namespace

TEST_F(DrawingTest, SkyBandRepeatsTheSkyPictureFromTheOriginUpToWAndRow199)
{
    QImage sky(300, 120, QImage::Format_RGB32);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x)
            sky.setPixel(x, y, qRgb(x % 256, y, (x / 256) * 100));
    kresli_nebe(canvas, sky);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < W; ++x)
            ASSERT_EQ(canvas.pixel(x, y), from_qrgb(sky.pixel(x % 300, y % 120))) << x << "," << y;
    EXPECT_EQ(canvas.pixel(W, 0), clWhite);
    EXPECT_EQ(canvas.pixel(0, 200), clWhite);
}

TEST_F(DrawingTest, LandscapeIsPlainSkyDownToTheSurfaceRowAndGreenBelowIt)
{
    const int cases[][2] = {{0, 250}, {1, 375}, {400, 423}, {401, H}, {W, 260}};
    for (const auto& k : cases)
        vysky[k[0]] = k[1];
    canvas.set_brush_color(znacka);
    canvas.fill_rect(0, 0, 800, H);
    canvas.take_dirty();
    kresli_krajinu(canvas);
    for (const auto& k : cases) {
        const int c = k[0], h = k[1];
        SCOPED_TRACE(c);
        // The surface row itself stays sky; a column dug to the bottom has no ground.
        EXPECT_TRUE(all(c, 200, c, std::min(h, H - 1), barva_nebe));
        EXPECT_TRUE(all(c, h + 1, c, H - 1, clGreen));
    }
    EXPECT_TRUE(all(W + 1, 200, 799, H - 1, barva_nebe));
    EXPECT_TRUE(all(0, 199, 799, 199, znacka));
    EXPECT_EQ(canvas.pen_color(), clGreen);
    EXPECT_EQ(canvas.brush_color(), barva_nebe);
    EXPECT_EQ(canvas.take_dirty(), QRect(0, 200, 800, H - 200));
}

TEST_F(DrawingTest, TankOfTheWorkedExample)
{
    stand(0, 100, 300, 45, clYellow);
    kresli_tank(canvas, 0, 0);
    // Body 70..99 x 293..299 with a one-pixel black border around a yellow inside.
    EXPECT_TRUE(all(71, 294, 98, 298, clYellow));
    for (int x = 70; x <= 99; ++x) {
        EXPECT_EQ(canvas.pixel(x, 293), clBlack) << x;
        EXPECT_EQ(canvas.pixel(x, 299), clBlack) << x;
    }
    EXPECT_EQ(column(70, 292, 300, clBlack), ".#######.");
    EXPECT_EQ(column(99, 292, 300, clBlack), ".#######.");
    EXPECT_TRUE(all(69, 290, 69, 300, clWhite));
    EXPECT_TRUE(all(100, 292, 100, 300, clWhite));
    // Turret: row 292, columns 75..94.
    EXPECT_TRUE(all(75, 292, 94, 292, clBlack));
    EXPECT_EQ(canvas.pixel(74, 292), clWhite);
    EXPECT_EQ(canvas.pixel(95, 292), clWhite);
    // The barrel rises from (86, 291) to the upper right and stops at its end (100, 276).
    EXPECT_EQ(canvas.pixel(86, 291), clBlack);
    EXPECT_EQ(canvas.pixel(100, 276), clWhite);
    EXPECT_EQ(canvas.pixel(101, 275), clWhite);
    // Normal mode leaves a black one-pixel pen and the player's brush.
    EXPECT_EQ(canvas.pen_color(), clBlack);
    EXPECT_EQ(canvas.pen_width(), 1);
    EXPECT_EQ(canvas.brush_color(), clYellow);
}

// The barrel is exactly the 2-wide line from (x-14, y-9) to the truncated end point.
TEST_F(DrawingTest, BarrelEndsAtTheTruncatedEndPoint)
{
    struct Case {
        int uhel, ex, ey; // relative to x, y
    } cases[] = {{90, -14, -29}, {5, 5, -11}, {135, -29, -24}, {45, 0, -24}, {175, -34, -11}};
    const int x = 400, y = 330;
    for (const Case& k : cases) {
        canvas = Canvas();
        stand(1, x, y, k.uhel, clGreen);
        kresli_tank(canvas, 1, 0);
        Canvas ref;
        ref.set_pen_color(clBlack);
        ref.set_pen_width(2);
        ref.line(x - 14, y - 9, x + k.ex, y + k.ey);
        for (int py = y - 40; py < y - 8; ++py)
            for (int px = x - 40; px <= x + 40; ++px)
                ASSERT_EQ(canvas.pixel(px, py), ref.pixel(px, py))
                    << "uhel " << k.uhel << " at " << px << "," << py;
        EXPECT_EQ(canvas.pen_width(), 1);
    }
}

TEST_F(DrawingTest, FlashModesPaintASilhouetteWithoutTouchingTheGround)
{
    for (Color mode : {clBlue, clRed}) {
        kresli_krajinu(canvas);
        mark_ground();
        stand(0, 300, 301, 60, clYellow);
        kresli_tank(canvas, 0, mode);
        SCOPED_TRACE(mode);
        EXPECT_TRUE(all(270, 294, 299, 300, mode));
        EXPECT_TRUE(all(275, 293, 294, 293, mode));
        EXPECT_EQ(canvas.pixel(300, 320), znacka);
        EXPECT_EQ(canvas.pen_color(), mode);
        EXPECT_EQ(canvas.brush_color(), mode);
        EXPECT_EQ(canvas.pen_width(), 1);
    }
}

TEST_F(DrawingTest, EraseLeavesPlainSkyAndRepairsTheGroundUnderAndAroundTheTank)
{
    // The tank stands in a dip: its outer columns are higher and drawn over the ground.
    for (int c = 260; c <= 340; ++c)
        vysky[c] = c >= 290 && c <= 296 ? 300 : 295;
    kresli_krajinu(canvas);
    const QImage ground = canvas.image();
    stand(0, 308, 301, 70, clYellow);
    kresli_tank(canvas, 0, 0);
    ASSERT_EQ(canvas.pixel(278, 298), clBlack);
    kresli_tank(canvas, 0, barva_nebe);
    EXPECT_EQ(canvas.image(), ground);
    EXPECT_EQ(canvas.pen_color(), clGreen);
    EXPECT_EQ(canvas.pen_width(), 1);
}

TEST_F(DrawingTest, EraseRepairCutsAtColumnZeroAndW)
{
    struct Case {
        int x, first, last;
    } cases[] = {{100, 60, 140}, {20, 0, 60}, {5, 0, 45}, {W - 10, W - 50, W}, {W + 5, W - 35, W}};
    for (const Case& k : cases) {
        kresli_krajinu(canvas);
        mark_ground();
        stand(1, k.x, 301, 120, clYellow);
        kresli_tank(canvas, 1, barva_nebe);
        SCOPED_TRACE(k.x);
        for (int c = 0; c < 800; ++c) {
            const bool repaired = c >= k.first && c <= k.last;
            ASSERT_EQ(canvas.pixel(c, 350), repaired ? clGreen : znacka) << c;
        }
    }
}

TEST_F(DrawingTest, GroundRepairSkipsColumnsOutsideTheBattlefield)
{
    mark_ground();
    obnov_zem(canvas, -10, 3);
    obnov_zem(canvas, W - 1, 900);
    for (int c = 0; c < 800; ++c) {
        const bool repaired = c <= 3 || (c >= W - 1 && c <= W);
        ASSERT_EQ(canvas.pixel(c, 301), repaired ? clGreen : znacka) << c;
        ASSERT_EQ(canvas.pixel(c, 300), znacka) << c;
    }
}

TEST_F(DrawingTest, CrateStandsOnTheSurfaceWithABlackCross)
{
    bonus_x = 500;
    kresli_krajinu(canvas);
    kresli_bonus(canvas, clMaroon);
    // Box 495..504 x 292..300; the crosses run corner to corner.
    for (int y = 292; y <= 300; ++y) {
        for (int x = 495; x <= 504; ++x) {
            const Color c = canvas.pixel(x, y);
            ASSERT_TRUE(c == clMaroon || c == clBlack) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.pixel(495, 292), clBlack);
    EXPECT_EQ(canvas.pixel(504, 292), clBlack);
    EXPECT_EQ(canvas.pixel(496, 300), clBlack);
    EXPECT_EQ(canvas.pixel(503, 300), clBlack);
    EXPECT_EQ(canvas.pixel(500, 296), clBlack);
    EXPECT_EQ(canvas.pixel(498, 292), clMaroon);
    EXPECT_EQ(canvas.pixel(494, 296), barva_nebe);
    EXPECT_EQ(canvas.pixel(505, 296), barva_nebe);
    EXPECT_EQ(canvas.pixel(500, 301), clGreen);
    EXPECT_EQ(canvas.pixel(500, 291), barva_nebe);

    kresli_bonus(canvas, barva_nebe);
    EXPECT_TRUE(all(495, 292, 504, 300, barva_nebe));
    EXPECT_TRUE(all(494, 301, 506, H - 1, clGreen));
    EXPECT_EQ(canvas.pen_color(), clGreen);
}

TEST_F(DrawingTest, CrateBesideARiseIsPartlyHiddenByTheGround)
{
    bonus_x = 500;
    vysky[503] = 296;
    vysky[504] = 294;
    kresli_krajinu(canvas);
    kresli_bonus(canvas, clMaroon);
    EXPECT_EQ(column(503, 292, 300, clGreen), ".....####");
    EXPECT_EQ(column(504, 292, 300, clGreen), "...######");
    EXPECT_EQ(column(502, 292, 300, clGreen), ".........");
}

TEST_F(DrawingTest, CrateAtColumnZeroAndBeyondTheEdgesStaysInside)
{
    for (int b : {0, 3, W, 799, -20, 5000}) {
        bonus_x = b;
        kresli_krajinu(canvas);
        kresli_bonus(canvas, clMaroon);
        kresli_bonus(canvas, barva_nebe);
        SCOPED_TRACE(b);
        for (int x = 0; x < 800; ++x)
            ASSERT_NE(canvas.pixel(x, 296), clMaroon) << x;
    }
}

TEST_F(DrawingTest, SmallCraterDentsOneTwoTwoOneRowsAndPaintsThemSky)
{
    kresli_krajinu(canvas);
    maly_krater(canvas, 200);
    const int depth[] = {1, 2, 2, 1};
    for (int k = 0; k < 4; ++k) {
        const int c = 200 + k;
        EXPECT_EQ(vysky[c], 300 + depth[k]) << c;
        EXPECT_EQ(column(c, 299, 304, clGreen), depth[k] == 1 ? "...###" : "....##") << c;
    }
    EXPECT_EQ(vysky[199], 300);
    EXPECT_EQ(vysky[204], 300);
    EXPECT_EQ(column(199, 299, 304, clGreen), "..####");
    EXPECT_EQ(canvas.pen_color(), barva_nebe);
}

TEST_F(DrawingTest, SmallCraterStopsAtTheBottomAndAtTheLastColumn)
{
    vysky[100] = H;
    vysky[101] = H - 1;
    vysky[102] = H - 2;
    maly_krater(canvas, 100);
    EXPECT_EQ(vysky[100], H);
    EXPECT_EQ(vysky[101], H);
    EXPECT_EQ(vysky[102], H);
    EXPECT_EQ(vysky[103], 301);

    struct Case {
        int x;
        std::int32_t col797, col800;
    } cases[] = {{797, 301, 301}, {798, 300, 302}, {800, 300, 301}};
    for (const Case& k : cases) {
        for (int c = 795; c <= 800; ++c)
            vysky[c] = 300;
        maly_krater(canvas, k.x);
        EXPECT_EQ(vysky[797], k.col797) << k.x;
        EXPECT_EQ(vysky[800], k.col800) << k.x;
    }
    maly_krater(canvas, -2);
    EXPECT_EQ(vysky[0], 302);
    EXPECT_EQ(vysky[1], 301);
}
