#include "combat/ballistics.h"

#include <gtest/gtest.h>

namespace {

Heightmap rovna(std::int32_t povrch)
{
    Heightmap h;
    h.fill(povrch);
    return h;
}

PlayerState tank(std::int32_t x, std::int32_t y)
{
    PlayerState s;
    s.x = x;
    s.y = y;
    return s;
}

} // namespace

TEST(Let, WorkedExampleFromTheBarrelTip)
{
    const Bod start = hlaven(100, 301, 45);
    EXPECT_EQ(start, (Bod{100, 277}));
    Let let(start, 45, 70, 0);
    EXPECT_EQ(let.poloha(), start);
    std::vector<Bod> drah;
    for (int i = 0; i < 100; ++i)
        drah.push_back(let.krok());
    EXPECT_EQ(drah[0], (Bod{101, 275}));
    EXPECT_EQ(drah[1], (Bod{103, 273}));
    EXPECT_EQ(drah[9], (Bod{119, 257}));
    EXPECT_EQ(drah[99], (Bod{297, 157}));
    EXPECT_NEAR(let.t(), 40.0, 1e-9);
    // Further on, by hand (x = 100 + 49.4975 T, y = 277 - 49.4975 T + 4.905 T^2, the flight
    // of LongFlightsEndWhereHandComputationPutsThem): T = 6 gives (396.98, 156.60),
    // T = 10.52 gives (620.71, 299.12), T = 10.56 gives (622.69, 301.28).
    while (drah.size() < 264)
        drah.push_back(let.krok());
    EXPECT_EQ(drah[149], (Bod{396, 156}));
    EXPECT_EQ(drah[262], (Bod{620, 299}));
    EXPECT_EQ(drah[263], (Bod{622, 301}));
}

TEST(Hlaven, TipOfTheTwentyPixelBarrel)
{
    // A tank at (100, 301): the barrel pivots at (86, 292).
    struct Case {
        std::int32_t uhel;
        Bod tip;
    } cases[] = {
        {90, {86, 272}},  // straight up: x - 14, y - 29
        {5, {105, 290}},  // 86 + 19.92 = 105.92, 292 - 1.74 = 290.26
        {135, {71, 277}}, // 86 - 14.14 = 71.86, 292 - 14.14 = 277.86
        {45, {100, 277}}, // 86 + 14.14 = 100.14
        {175, {66, 290}}, // 86 - 19.92 = 66.08
    };
    for (const Case& c : cases)
        EXPECT_EQ(hlaven(100, 301, c.uhel), c.tip) << c.uhel;
}

TEST(Let, WindPushesTheShellAndTruncatesTowardZero)
{
    // Straight up: only the wind moves the shell sideways, 0.5 * vitr * T^2.
    Let vlevo(Bod{400, 250}, 90, 100, -5);
    Let vpravo(Bod{400, 250}, 90, 100, 5);
    Bod l{}, p{};
    for (int i = 0; i < 25; ++i) { // T = 1.0: a drift of 2.5 columns
        l = vlevo.krok();
        p = vpravo.krok();
    }
    EXPECT_EQ(l.x, 397);
    EXPECT_EQ(p.x, 402);
    // A shell above row 0 has a negative row, truncated toward zero, not floored.
    Let vysoko(Bod{400, 10}, 90, 200, 0);
    for (int i = 0; i < 21; ++i) // T = 0.84: 10 - 168 + 3.46 = -154.54
        vysoko.krok();
    EXPECT_EQ(vysoko.poloha().y, -154);
}

TEST(Vyhodnot, TestsRunInTheirOrder)
{
    const Heightmap h = rovna(300);
    const PlayerState hraci[2] = {tank(100, 301), tank(120, 301)};
    struct Case {
        const char* co;
        Bod b;
        std::int32_t bonus;
        bool s_bednou;
        ImpactKind ocekavano;
    } cases[] = {
        {"tank box before ground", {90, 300}, 0, true, ImpactKind::tank1},
        {"player 1 before player 2 where boxes overlap", {100, 295}, 0, true, ImpactKind::tank1},
        {"only player 2's box", {121, 295}, 0, true, ImpactKind::tank2},
        {"box left column x-32", {68, 292}, 0, true, ImpactKind::tank1},
        {"one left of the box, in the air", {67, 292}, 0, true, ImpactKind::zadny},
        {"box top row y-9", {80, 292}, 0, true, ImpactKind::tank1},
        {"above the box", {80, 291}, 0, true, ImpactKind::zadny},
        {"box right column of player 2, x+2", {122, 292}, 0, true, ImpactKind::tank2},
        {"one right of it", {123, 292}, 0, true, ImpactKind::zadny},
        {"side before tank: column 0", {0, 400}, 0, true, ImpactKind::mimo},
        {"left of the picture", {-7, 100}, 0, true, ImpactKind::mimo},
        {"column W is off screen", {W, 250}, 0, true, ImpactKind::mimo},
        {"column W-1 still flies", {W - 1, 250}, 0, true, ImpactKind::zadny},
        {"column 1 lands", {1, 300}, 0, true, ImpactKind::zem},
        {"ground row is ground", {400, 300}, 0, true, ImpactKind::zem},
        {"one above the ground", {400, 299}, 0, true, ImpactKind::zadny},
        {"far above the top keeps flying", {400, -5000}, 0, true, ImpactKind::zadny},
        {"crate before ground", {500, 300}, 500, true, ImpactKind::bedna},
        {"crate top row h-9", {505, 291}, 500, true, ImpactKind::bedna},
        {"above the crate", {505, 290}, 500, true, ImpactKind::zadny},
        {"beside the crate", {506, 300}, 500, true, ImpactKind::zem},
        {"crate ignored when asked", {500, 300}, 500, false, ImpactKind::zem},
        {"no crate at 0", {3, 295}, 0, true, ImpactKind::zadny},
        {"tank before crate", {95, 300}, 95, true, ImpactKind::tank1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vyhodnot(c.b, hraci, c.bonus, h, c.s_bednou), c.ocekavano) << c.co;
}

TEST(SimulujLet, EndsWhereTheFlightEnds)
{
    Heightmap h = rovna(300);
    const PlayerState hraci[2] = {tank(100, 301), tank(700, 301)};
    // Straight up and a little: the shell comes back onto the shooter's own tank.
    KonecLetu k = simuluj_let(hlaven(100, 301, 90), 90, 40, 0, hraci, 0, h, true);
    EXPECT_EQ(k.vysledek, ImpactKind::tank1);
    // Through the top of the picture and back down: there is no top edge.
    k = simuluj_let(hlaven(100, 301, 85), 85, 150, 0, hraci, 0, h, true);
    EXPECT_EQ(k.vysledek, ImpactKind::zem);
    // Flat and hard to the right: out through the side.
    k = simuluj_let(hlaven(700, 301, 5), 5, 200, 5, hraci, 0, h, true);
    EXPECT_EQ(k.vysledek, ImpactKind::mimo);
    EXPECT_GE(k.bod.x, W);
    // Into a crater dug to the bottom: the shell falls to row H and stops there.
    for (int x = 380; x <= 420; ++x)
        h[static_cast<std::size_t>(x)] = H;
    k = simuluj_let(Bod{400, 250}, 90, 10, 0, hraci, 0, h, true);
    EXPECT_EQ(k.vysledek, ImpactKind::zem);
    EXPECT_GE(k.bod.y, H);
}

// Whole flights over flat ground at row 300 with the tanks at (100, 301) and (700, 301),
// computed by hand from the launch point (100, 277), uhel 45 and sila 70:
//   sila * sin 45 = sila * cos 45 = 49.4975 per time unit, T = 0.04 n after n steps,
//   x = 100 + 49.4975 T + 0.5 vitr T^2,   y = 277 - 49.4975 T + 4.905 T^2.
// Calm: at n = 263 (T = 10.52) y = 277 - 520.71 + 542.84 = 299.12, still in the air; at
// n = 264 (T = 10.56) y = 277 - 522.69 + 546.97 = 301.28 and x = 622.69: ground at
// (622, 301). Wind -5 takes 2.5 * 10.56^2 = 278.78 columns off that: (343, 301).
// With player 2 at x = 640 its box is columns 608..642, rows 292..302: at n = 259
// (T = 10.36) y = 290.66 is still above it, at n = 260 (T = 10.40) the shell is at
// x = 614.77, y = 277 - 514.77 + 530.52 = 292.75: inside, before it reaches the ground.
TEST(SimulujLet, LongFlightsEndWhereHandComputationPutsThem)
{
    const Heightmap h = rovna(300);
    struct Case {
        const char* co;
        std::int32_t vitr;
        std::int32_t x2;
        ImpactKind vysledek;
        Bod bod;
    } cases[] = {
        {"calm, onto the ground", 0, 700, ImpactKind::zem, {622, 301}},
        {"against the wind", -5, 700, ImpactKind::zem, {343, 301}},
        {"into player 2's box on the way down", 0, 640, ImpactKind::tank2, {614, 292}},
    };
    for (const Case& c : cases) {
        const PlayerState hraci[2] = {tank(100, 301), tank(c.x2, 301)};
        const KonecLetu k = simuluj_let(hlaven(100, 301, 45), 45, 70, c.vitr, hraci, 0, h, true);
        EXPECT_EQ(k.vysledek, c.vysledek) << c.co;
        EXPECT_EQ(k.bod, c.bod) << c.co;
    }
}
