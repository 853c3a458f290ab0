#include "combat/explosion_rules.h"
#include "tests/rules_support/rules_fixture.h"

namespace {

PlayerState tank(std::int32_t x, std::int32_t energie)
{
    PlayerState s;
    s.x = x;
    s.y = 301;
    s.energie = energie;
    return s;
}

// The info line after the shooter's name: "<za><reward> kreditu!", nothing for no reward.
std::string zprava(const char* za, std::int32_t odmena)
{
    return odmena == 0 ? std::string() : za + std::to_string(odmena) + " kreditu!";
}

} // namespace

class ZasahTest : public PravidlaTest {};

// Direct-hit damage is base + U(spread) with U(n) = nahoda(n + 1): the drawn value is taken
// modulo spread + 1. Rewards: 10 a point of the opponent's loss, +500 for a basic shell
// that took something, +1000 when the opponent is left at 0 or below.
TEST_F(ZasahTest, DirectHitTakesTheWeaponsDamageAndPaysForTheOpponentsLoss)
{
    struct Case {
        const char* co;
        int strelec, zasazeny;
        std::int32_t zbran, energie_zasazeneho, hod;
        std::int32_t ztrata, odmena;
    } cases[] = {
        {"basic shell, least damage: 15 x 10 + 500", 0, 1, zakladni_strela, 200, 0, 15, 650},
        {"basic shell, most damage", 0, 1, zakladni_strela, 200, 10, 25, 750},
        {"player 2 shooting", 1, 0, zakladni_strela, 200, 0, 15, 650},
        {"own tank: no pay, no message", 0, 0, zakladni_strela, 200, 0, 15, 0},
        {"left at exactly 0: the kill bonus", 0, 1, zakladni_strela, 15, 0, 15, 1650},
        {"left at 1: no kill", 0, 1, zakladni_strela, 16, 0, 15, 650},
        {"Stredni strela, no 500", 0, 1, stredni_strela, 200, 20, 45, 450},
        {"Velka strela", 1, 0, velka_strela, 200, 0, 45, 450},
        {"Mini Nuke below zero pays the whole loss", 0, 1, mini_nuke, 80, 0, 85, 1850},
        {"Mega Nuke at most", 0, 1, mega_nuke, 200, 35, 150, 1500},
        {"Mega Nuke: 36 wraps to the least", 0, 1, mega_nuke, 200, 36, 115, 1150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        PlayerState hraci[2] = {tank(100, 200), tank(690, 200)};
        hraci[c.strelec].zbran = c.zbran;
        hraci[c.zasazeny].energie = c.energie_zasazeneho;
        hody({c.hod});
        const Zasah z = spocti_primy_zasah(hraci, c.strelec, c.zasazeny);
        vse_vylosovano();
        EXPECT_EQ(z.ztrata[c.zasazeny], c.ztrata);
        EXPECT_EQ(z.ztrata[1 - c.zasazeny], 0);
        EXPECT_EQ(z.odmena, c.odmena);
        EXPECT_EQ(z.zprava, zprava(" ziskava za primy zasah ", c.odmena));
    }
}

// The blast reaches a tank at (x, y) inside x-30-r..x+r, y-7-r..y+1+r, with the same
// damage anywhere inside. It pays 5 a point of the opponent's loss, +1000 for a kill.
TEST_F(ZasahTest, BlastDamagesWhatItReachesAndPaysOnlyForTheOpponent)
{
    struct Case {
        const char* co;
        int strelec;
        std::int32_t zbran;
        Bod b;
        std::int32_t x2, energie_soupere;
        std::deque<std::int32_t> hody;
        std::int32_t ztrata1, ztrata2, odmena;
    } cases[] = {
        {"Stredni strela beside player 2", 0, stredni_strela, {675, 301}, 690, 200, {0}, 0, 15, 75},
        {"Velka strela, most damage", 0, velka_strela, {675, 301}, 690, 200, {10}, 0, 40, 200},
        {"Mega Nuke, most damage", 0, mega_nuke, {675, 301}, 690, 200, {25}, 0, 115, 575},
        {"Mini Nuke, least damage", 1, mini_nuke, {85, 301}, 690, 200, {0}, 70, 0, 350},
        {"a blast kill", 1, velka_strela, {85, 301}, 690, 30, {0}, 30, 0, 1150},
        // Its reach is the tank's own rectangle, and a tank in it still has its U(0) drawn.
        {"the basic shell's blast damages nobody", 0, zakladni_strela, {675, 301}, 690, 200, {7}, 0,
         0, 0},
        {"only the shooter's own tank: nothing paid", 0, velka_strela, {85, 301}, 690, 200, {0}, 30,
         0, 0},
        {"both tanks reached, player 1 drawn first", 0, velka_strela, {110, 301}, 150, 200, {4, 6},
         34, 36, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        PlayerState hraci[2] = {tank(100, 200), tank(c.x2, 200)};
        hraci[1 - c.strelec].energie = c.energie_soupere;
        hody(c.hody);
        const Zasah z = spocti_zasah_okoli(hraci, c.strelec, c.zbran, c.b);
        vse_vylosovano();
        EXPECT_EQ(z.ztrata[0], c.ztrata1);
        EXPECT_EQ(z.ztrata[1], c.ztrata2);
        EXPECT_EQ(z.odmena, c.odmena);
        EXPECT_EQ(z.zprava, zprava(" ziskava za zasah ", c.odmena));
    }
}

TEST_F(ZasahTest, BlastReachEndsOneColumnOrRowPastTheRectangle)
{
    // A tank at (400, 301) and Stredni strela's reach of 15: columns 355..415, rows 279..317.
    struct Case {
        Bod b;
        bool zasazen;
    } cases[] = {
        {{355, 301}, true},  {{354, 301}, false}, {{415, 301}, true},  {{416, 301}, false},
        {{385, 279}, true},  {{385, 278}, false}, {{385, 317}, true},  {{385, 318}, false},
        {{355, 279}, true},  {{415, 317}, true},
    };
    for (const Case& c : cases) {
        const PlayerState hraci[2] = {tank(100, 200), tank(400, 200)};
        hody(c.zasazen ? std::deque<std::int32_t>{0} : std::deque<std::int32_t>{});
        const Zasah z = spocti_zasah_okoli(hraci, 0, stredni_strela, c.b);
        vse_vylosovano();
        EXPECT_EQ(z.ztrata[1], c.zasazen ? 15 : 0) << c.b.x << ", " << c.b.y;
    }
}

namespace {

Heightmap rovna(std::int32_t povrch)
{
    Heightmap h;
    h.fill(povrch);
    return h;
}

} // namespace

TEST(Krater, GroundFallsToTheCirclesLowerEdge)
{
    // R = 15 at (400, 300): at distance i the edge is 300 + trunc(sqrt((15 - i)(15 + i))),
    // i = 9: sqrt(144) = 12; i = 14: sqrt(29) = 5.39; i = 15: 0, no deeper than the ground.
    Heightmap h = rovna(300);
    h[405] = 420; // already deeper than the crater: left as it is
    const std::vector<Prohloubeni> s = prohloub_krater(h, 400, 300, 15);
    EXPECT_EQ(h[400], 315);
    for (int strana : {-1, 1}) {
        EXPECT_EQ(h[400 + strana * 1], 314); // sqrt(14 * 16) = 14.97
        EXPECT_EQ(h[400 + strana * 9], 312);
        EXPECT_EQ(h[400 + strana * 14], 305);
        EXPECT_EQ(h[400 + strana * 15], 300);
        EXPECT_EQ(h[400 + strana * 16], 300);
    }
    EXPECT_EQ(h[395], 314); // sqrt(10 * 20) = 14.14
    EXPECT_EQ(h[405], 420);
    // Each side from the centre outward, then the centre: every column once.
    ASSERT_EQ(s.size(), 31u);
    EXPECT_EQ(s[0].sloupec, 399);
    EXPECT_EQ(s[1].sloupec, 401);
    EXPECT_EQ(s[30].sloupec, 400);
    for (const Prohloubeni& p : s) {
        EXPECT_EQ(p.po, h[p.sloupec]) << p.sloupec;
        EXPECT_EQ(p.pred, p.sloupec == 405 ? 420 : 300) << p.sloupec;
    }
}

TEST(Krater, StaysInsideThePictureAndTheBattlefield)
{
    struct Case {
        const char* co;
        int X, Y, R;
        std::size_t sloupcu;
        std::int32_t stred;
    } cases[] = {
        {"down to the bottom row only", 400, 415, 30, 61, H},
        {"left edge: columns below 0 skipped", 3, 300, 30, 3 + 30 + 1, 330},
        {"right edge: columns past W skipped", W, 300, 25, 25 + 1, 325},
    };
    for (const Case& c : cases) {
        Heightmap h = rovna(300);
        const std::vector<Prohloubeni> s = prohloub_krater(h, c.X, c.Y, c.R);
        EXPECT_EQ(s.size(), c.sloupcu) << c.co;
        EXPECT_EQ(h[static_cast<std::size_t>(c.X)], c.stred) << c.co;
        for (int x = 0; x <= 800; ++x) {
            EXPECT_LE(h[x], H) << c.co << " column " << x;
            if (x > W || x < c.X - c.R || x > c.X + c.R) {
                EXPECT_EQ(h[x], 300) << c.co << " column " << x;
            }
        }
    }
}

TEST(MalyKrater, DentsOneTwoTwoOneAndStopsAtTheBottom)
{
    Heightmap h = rovna(300);
    h[103] = H - 1;
    const std::vector<Prohloubeni> s = prohloub_maly_krater(h, 100);
    EXPECT_EQ(h[99], 300);
    EXPECT_EQ(h[100], 301);
    EXPECT_EQ(h[101], 302);
    EXPECT_EQ(h[102], 302);
    EXPECT_EQ(h[103], H);
    EXPECT_EQ(h[104], 300);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[3].pred, H - 1);
    EXPECT_EQ(s[3].po, H);

    // A column already at the bottom stays there; columns past 800 are not there to dent.
    h = rovna(H);
    EXPECT_EQ(prohloub_maly_krater(h, 798).size(), 3u);
    EXPECT_EQ(h[798], H);
    EXPECT_EQ(h[800], H);
}
