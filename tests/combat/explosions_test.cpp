#include "combat/explosions.h"
#include "combat/weapons.h"
#include "tests/support/battlefield_fixture.h"

#include <cmath>

class ExplosionsTest : public BattlefieldTest {
protected:
    ExplosionsTest() : BattlefieldTest(Field::combat) {}
};

TEST_F(ExplosionsTest, DirectAndBlastDamageSpanEachWeaponsRange)
{
    struct Case {
        int zbran;
        bool primy;
        std::int32_t drawn; // the generator's value; nahoda(n + 1) takes it modulo n + 1
        std::int32_t skoda;
    } cases[] = {
        {zakladni_strela, true, 0, 15},  {zakladni_strela, true, 10, 25},
        {stredni_strela, true, 0, 25},   {stredni_strela, true, 20, 45},
        {velka_strela, true, 0, 45},     {velka_strela, true, 20, 65},
        {mini_nuke, true, 0, 85},        {mini_nuke, true, 30, 115},
        {mega_nuke, true, 0, 115},       {mega_nuke, true, 35, 150},
        {mega_nuke, true, 36, 115},      // 36 % 36 wraps to the minimum
        {zakladni_strela, false, 7, 0},  {stredni_strela, false, 0, 15},
        {stredni_strela, false, 10, 25}, {velka_strela, false, 0, 30},
        {velka_strela, false, 10, 40},   {mini_nuke, false, 0, 70},
        {mini_nuke, false, 15, 85},      {mega_nuke, false, 0, 90},
        {mega_nuke, false, 25, 115},
    };
    for (const Case& k : cases) {
        hrac[0].zbran = k.zbran;
        hrac[1].energie = 300;
        random.next = {k.drawn};
        if (k.primy)
            primy_zasah(*window, 1, 0, 0);
        else
            zasah_okoli(*window, k.zbran, hrac[1].x - 15, hrac[1].y - 4);
        EXPECT_EQ(300 - hrac[1].energie, k.skoda)
            << "weapon " << k.zbran << (k.primy ? " direct" : " blast") << " drawn " << k.drawn;
        EXPECT_EQ(hrac[0].energie, plna_energie);
    }
    // The basic shell's hit flash is the only pause among them.
    EXPECT_EQ(sleeper.calls, (std::vector<int>{150, 150}));
}

TEST_F(ExplosionsTest, RewardsAndTheirMessages)
{
    struct Case {
        const char* co;
        int strelec;
        int zbran;
        bool primy;
        std::int32_t souper_energie;
        std::int32_t odmena;
        const char* zprava;
    } cases[] = {
        {"basic direct: 15 x 10 + 500", 0, zakladni_strela, true, 200, 650,
         "Hrac 1 ziskava za primy zasah 650 kreditu!"},
        {"player 2 mirrored", 1, zakladni_strela, true, 200, 650,
         "Hrac 2 ziskava za primy zasah 650 kreditu!"},
        {"a kill at exactly 0 adds 1000", 0, zakladni_strela, true, 15, 1650,
         "Hrac 1 ziskava za primy zasah 1650 kreditu!"},
        {"1 energy left is no kill", 0, zakladni_strela, true, 16, 650,
         "Hrac 1 ziskava za primy zasah 650 kreditu!"},
        {"no 500 for other weapons", 0, stredni_strela, true, 200, 250,
         "Hrac 1 ziskava za primy zasah 250 kreditu!"},
        {"blast pays 5 a point", 0, stredni_strela, false, 200, 75,
         "Hrac 1 ziskava za zasah 75 kreditu!"},
        {"blast kill", 1, velka_strela, false, 30, 1150,
         "Hrac 2 ziskava za zasah 1150 kreditu!"},
    };
    for (const Case& k : cases) {
        const int souper = 1 - k.strelec;
        na_tahu = k.strelec;
        hrac[k.strelec].zbran = k.zbran;
        hrac[k.strelec].penize = 1000;
        hrac[souper].penize = 0;
        hrac[souper].energie = k.souper_energie;
        hrac[k.strelec].energie = plna_energie;
        window->lbl_infotext->setText(QString());
        random.next = {0};
        if (k.primy)
            primy_zasah(*window, souper, 0, 0);
        else
            zasah_okoli(*window, k.zbran, hrac[souper].x - 15, hrac[souper].y);
        EXPECT_EQ(hrac[k.strelec].penize, 1000 + k.odmena) << k.co;
        EXPECT_EQ(window->lbl_penize(k.strelec)->text(), QString::number(1000 + k.odmena)) << k.co;
        EXPECT_EQ(hrac[souper].penize, 0) << k.co;
        EXPECT_EQ(window->lbl_infotext->text(), QString::fromLatin1(k.zprava)) << k.co;
    }
}

TEST_F(ExplosionsTest, HittingYourOwnTankEarnsNothing)
{
    postav(0, 300, 45, 70);
    hrac[0].penize = 400;
    random.next = {0, 0};
    primy_zasah(*window, 0, 0, 0);
    EXPECT_EQ(hrac[0].energie, 185);
    zasah_okoli(*window, velka_strela, hrac[0].x - 15, hrac[0].y);
    EXPECT_EQ(hrac[0].energie, 155);
    EXPECT_EQ(hrac[1].energie, plna_energie);
    EXPECT_EQ(hrac[0].penize, 400);
    EXPECT_EQ(window->lbl_penize1->text(), QStringLiteral("400"));
    EXPECT_TRUE(window->lbl_infotext->text().isEmpty());
}

TEST_F(ExplosionsTest, BlastReachIsARectangleAroundTheBody)
{
    postav(1, 400, 135, 70);
    const int x = hrac[1].x, y = hrac[1].y;
    const int r = ucinky_zbrani[stredni_strela].dosah;
    struct Case {
        int X, Y;
        bool zasazen;
    } cases[] = {
        {x - 30 - r, y, true},      {x - 31 - r, y, false},     {x + r, y, true},
        {x + r + 1, y, false},      {x - 15, y - 7 - r, true},  {x - 15, y - 8 - r, false},
        {x - 15, y + 1 + r, true},  {x - 15, y + 2 + r, false}, {x - 30 - r, y - 7 - r, true},
        {x + r, y + 1 + r, true},
    };
    for (const Case& k : cases) {
        hrac[1].energie = plna_energie;
        random.next = {0};
        zasah_okoli(*window, stredni_strela, k.X, k.Y);
        EXPECT_EQ(hrac[1].energie, k.zasazen ? plna_energie - 15 : plna_energie)
            << "(" << k.X - x << ", " << k.Y - y << ") from the tank corner";
    }
}

TEST_F(ExplosionsTest, ABlastReachingBothTanksPaysOnlyForTheOpponent)
{
    postav(0, 100, 45, 70);
    postav(1, 150, 135, 70);
    random.next = {4, 6}; // player 1 loses 34, player 2 loses 36
    zasah_okoli(*window, velka_strela, 110, hrac[0].y);
    EXPECT_EQ(hrac[0].energie, plna_energie - 34);
    EXPECT_EQ(hrac[1].energie, plna_energie - 36);
    EXPECT_EQ(hrac[0].penize, 5 * 36);
}

TEST_F(ExplosionsTest, CraterFollowsTheCircleAndPaintsAirFromRow201)
{
    const Color znacka = clFuchsia;
    canvas().set_pixel(409, 200, znacka);
    vykopej_krater(*window, 400, 300, 15);
    EXPECT_EQ(vysky[400], 315);
    for (int strana : {-1, 1}) {
        EXPECT_EQ(vysky[400 + strana * 9], 312);  // 300 + sqrt(6 * 24)
        EXPECT_EQ(vysky[400 + strana * 14], 305); // 300 + sqrt(1 * 29)
        EXPECT_EQ(vysky[400 + strana * 15], 300);
        EXPECT_EQ(vysky[400 + strana * 16], 300);
    }
    EXPECT_EQ(canvas().pixel(409, 200), znacka);
    EXPECT_EQ(canvas().pixel(409, 201), barva_nebe);
    EXPECT_EQ(canvas().pixel(409, 311), barva_nebe);
    EXPECT_EQ(canvas().pixel(409, 312), clGreen);
    EXPECT_EQ(canvas().pixel(400, 314), barva_nebe);
    EXPECT_EQ(canvas().pixel(416, 305), clGreen);
}

TEST_F(ExplosionsTest, CratersNeverRaiseGroundNorLeaveTheProfile)
{
    struct Case {
        const char* co;
        int X, Y, R;
    } cases[] = {
        {"left edge", 3, 300, 30},         {"column 0", 0, 300, 20},
        {"right edge", W - 2, 300, 30},    {"column W", W, 300, 25},
        {"at the bottom", 400, 415, 30},   {"below the picture", 400, 440, 20},
    };
    for (const Case& k : cases) {
        rovina(300);
        vysky[static_cast<std::size_t>(std::clamp(k.X + 2, 0, W))] = 420; // already deeper
        const Heightmap pred = vysky;
        vykopej_krater(*window, k.X, k.Y, k.R);
        for (int x = 0; x <= 800; ++x) {
            const auto i = static_cast<std::size_t>(x);
            EXPECT_GE(vysky[i], pred[i]) << k.co << " column " << x;
            EXPECT_LE(vysky[i], H) << k.co << " column " << x;
            if (x < k.X - k.R || x > k.X + k.R || x > W) {
                EXPECT_EQ(vysky[i], pred[i]) << k.co << " column " << x;
            }
        }
    }
}

TEST_F(ExplosionsTest, AnExplosionOverTheCratesColumnsDestroysItUnpaid)
{
    struct Case {
        bool nuke;
        int X;
        bool znicena;
    } cases[] = {
        {false, 400, true}, {false, 399, false}, {false, 440, true}, {false, 441, false},
        {true, 400, true},  {true, 399, false},
    };
    for (const Case& k : cases) {
        rovina(300);
        bonus_x = 420;
        if (k.nuke)
            vybuch_nuke(*window, k.X, 300, 15);
        else
            vybuch_strely(*window, k.X, 300, 15);
        EXPECT_EQ(bonus_x, k.znicena ? 0 : 420) << (k.nuke ? "nuke at " : "fireball at ") << k.X;
    }
    EXPECT_EQ(hrac[0].penize, 0);
    EXPECT_EQ(hrac[1].penize, 0);
}

TEST_F(ExplosionsTest, ExplosionsPaceTheirFrames)
{
    vybuch_strely(*window, 400, 300, 15);
    EXPECT_EQ(sleeper.calls, std::vector<int>(3 * 14, 2)); // radii 2..15, three times
    sleeper.calls.clear();
    vybuch_nuke(*window, 400, 300, 10);
    EXPECT_EQ(sleeper.calls, std::vector<int>(160, 6));
    // The hole is left in air colour and the ground below it is dug.
    EXPECT_EQ(canvas().pixel(400, 305), barva_nebe);
    EXPECT_EQ(vysky[400], 315);
}
