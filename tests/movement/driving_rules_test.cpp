#include "movement/driving_rules.h"

#include <gtest/gtest.h>

TEST(Jizda, WhoDrivesByMouseInEachGameType)
{
    struct Case {
        std::int32_t typ_hry;
        bool hrac1, hrac2;
    } cases[] = {
        {dva_hraci, true, true},
        {proti_pocitaci, true, false},
        {sit_server, true, false},
        {sit_klient, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ridi_mysi(c.typ_hry, 0), c.hrac1) << c.typ_hry;
        EXPECT_EQ(ridi_mysi(c.typ_hry, 1), c.hrac2) << c.typ_hry;
    }
}

TEST(Jizda, AClickDrivesTowardItsColumnWithFuelOnly)
{
    PlayerState h;
    h.x = 100; // centre over column 85
    h.nafta = 1;
    struct Case {
        const char* co;
        std::int32_t typ_hry;
        int p, X;
        std::int32_t nafta;
        int smer;
    } cases[] = {
        {"at the centre: nothing", dva_hraci, 0, 85, 1, 0},
        {"one column right", dva_hraci, 0, 86, 1, +1},
        {"one column left", dva_hraci, 0, 84, 1, -1},
        {"no fuel", dva_hraci, 0, 300, 0, 0},
        {"the computer's tank", proti_pocitaci, 1, 300, 100, 0},
        {"the client drives player 2", sit_klient, 1, 300, 100, +1},
    };
    for (const Case& c : cases) {
        h.nafta = c.nafta;
        EXPECT_EQ(smer_kliku(c.typ_hry, c.p, h, c.X), c.smer) << c.co;
    }
}

// A drive ends with the tank's centre at the target (x = cil + 15). Step i stands the tank
// on x + i * smer, the first on its own column, each for one unit of fuel.
TEST(Jizda, StepsFuelAndWhatEndsTheDrive)
{
    struct Case {
        const char* co;
        int p;
        std::int32_t x, nafta;
        int smer, cil;
        std::int32_t bonus;
        bool rozjezd;
        int kroku;
        bool bedna;
    } cases[] = {
        {"35 columns right cost 36", 0, 100, 100, +1, 120, 0, true, 36, false},
        {"65 columns left cost 66", 1, 650, 100, -1, 570, 0, true, 66, false},
        {"player 1 at 298 does not start", 0, 298, 100, +1, 400, 0, false, 0, false},
        {"player 2 at 492 does not start left", 1, 492, 100, -1, 300, 0, false, 0, false},
        {"player 1 at 40 does not start left", 0, 40, 100, -1, 5, 0, false, 0, false},
        {"player 2 at W does not start right", 1, W, 100, +1, 795, 0, false, 0, false},
        {"player 1 reaches 298 itself", 0, 290, 100, +1, 385, 0, true, 9, false},
        {"player 1 reaches 40", 0, 45, 100, -1, -100, 0, true, 6, false},
        {"player 2 reaches 492", 1, 500, 100, -1, 300, 0, true, 9, false},
        {"player 2 reaches W", 1, 780, 100, +1, 5000, 0, true, 11, false},
        {"player 2 stops at 492 far short of the click", 1, 495, 100, -1, 100, 0, true, 4, false},
        {"one unit: one step on the spot", 0, 100, 1, +1, 200, 0, true, 1, false},
        {"fuel runs out after 10 steps", 0, 100, 10, +1, 200, 0, true, 10, false},
        {"an empty tank does not start", 0, 100, 0, +1, 200, 0, false, 0, false},
        {"no direction, no drive", 0, 100, 100, 0, 200, 0, false, 0, false},
        {"crate ahead to the right: contact at bonus - 5", 0, 100, 100, +1, 250, 200, true, 96,
         true},
        {"crate ahead to the left: contact at bonus + 32", 1, 650, 100, -1, 400, 560, true, 59,
         true},
        {"already in the window: the first step picks it up", 0, 100, 100, +1, 250, 90, true, 1,
         true},
        {"a crate behind the tank is not touched", 0, 150, 100, +1, 200, 100, true, 66, false},
        {"target behind the direction: starts, goes nowhere", 1, 650, 100, -1, 640, 0, true, 0,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        EXPECT_EQ(rozjede_se(c.p, c.x, c.nafta, c.smer), c.rozjezd);
        const PlanJizdy plan = naplanuj_jizdu(c.p, c.x, c.nafta, c.smer, c.cil, c.bonus);
        EXPECT_EQ(plan.kroku, c.kroku);
        EXPECT_EQ(plan.bedna, c.bedna);
        if (c.rozjezd) {
            EXPECT_EQ(plan.smer, c.smer);
        }
        EXPECT_LE(plan.kroku * nafta_za_krok, c.nafta);
    }
}
