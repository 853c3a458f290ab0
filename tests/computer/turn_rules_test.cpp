#include "computer/turn_rules.h"
#include "tests/rules_support/rules_fixture.h"

namespace {

PlayerState pocitac(std::int32_t x, std::int32_t penize, std::int32_t energie, std::int32_t nafta)
{
    PlayerState s;
    s.x = x;
    s.penize = penize;
    s.energie = energie;
    s.nafta = nafta;
    return s;
}

} // namespace

class RozhodnutiTest : public PravidlaTest {};

TEST_F(RozhodnutiTest, GoesForACrateWithinAHundredColumnsOnACoin)
{
    struct Case {
        const char* co;
        std::int32_t bonus, nafta;
        std::deque<std::int32_t> hody;
        bool jet, natankovat;
        int smer;
    } cases[] = {
        {"no crate: no coin", 0, 100, {}, false, false, 0},
        {"101 columns: no coin", 589, 100, {}, false, false, 0},
        {"100 columns, the coin says no", 590, 100, {0}, false, false, 0},
        {"100 columns to the left", 590, 100, {1}, true, false, -1},
        {"to the right", 720, 100, {1}, true, false, +1},
        {"farther than the fuel: fill up first", 600, 89, {1}, true, true, -1},
        {"exactly as far as the fuel", 600, 90, {1}, true, false, -1},
        {"under the crate itself", 690, 0, {1}, true, false, +1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        hody(c.hody);
        const CestaProBednu v = cesta_pro_bednu(pocitac(690, 2500, 200, c.nafta), c.bonus);
        vse_vylosovano();
        EXPECT_EQ(v.jet, c.jet);
        EXPECT_EQ(v.natankovat, c.natankovat);
        if (v.jet) {
            EXPECT_EQ(v.smer, c.smer);
        }
    }
}

// Energy is bought when energie <= 190 - nahoda(80 - 5 * obtiznost), the roll only with the
// 150 credits a load costs.
TEST_F(RozhodnutiTest, EnergyIsBoughtBelowTheRolledThresholdWithCreditsForALoad)
{
    struct Case {
        const char* co;
        std::int32_t obtiznost, penize, energie;
        std::deque<std::int32_t> hody;
        bool kupuje;
    } cases[] = {
        {"140 credits: no roll, nothing bought", trenink, 140, 10, {}, false},
        {"exactly 150", trenink, 150, 100, {0}, true},
        {"Trenink's lowest threshold 190 - 79 = 111", trenink, 2500, 111, {79}, true},
        {"one above it", trenink, 2500, 112, {79}, false},
        {"Expert's lowest threshold 190 - 59 = 131", expert, 2500, 131, {59}, true},
        {"Expert's roll of 60 wraps to 0", expert, 2500, 190, {60}, true},
        {"full energy never", pokrocily, 2500, 200, {0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        hody(c.hody);
        EXPECT_EQ(kupuje_energii(pocitac(690, c.penize, c.energie, 100), c.obtiznost), c.kupuje);
        vse_vylosovano();
    }
}

// The danger roll r = nahoda(50): hurt when energie <= 150 - r; then nahoda(6 - obtiznost)
// must not be 0.
TEST_F(RozhodnutiTest, HurtTankDrivesAwayOnItsSkillsChance)
{
    struct Case {
        const char* co;
        std::int32_t obtiznost, energie;
        std::deque<std::int32_t> hody;
        bool ujede;
    } cases[] = {
        {"151: never in danger, one roll", trenink, 151, {0}, false},
        {"150 at roll 0", trenink, 150, {0, 1}, true},
        {"101 at roll 49", pokrocily, 101, {49, 1}, true},
        {"102 at roll 49: not hurt enough", pokrocily, 102, {49}, false},
        {"the chance fails on 0", trenink, 100, {0, 0}, false},
        {"Trenink: 5 of 6", trenink, 100, {0, 5}, true},
        {"Expert: a coin, 2 wraps to 0", expert, 100, {0, 2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        hody(c.hody);
        EXPECT_EQ(ujizdi(pocitac(690, 2500, c.energie, 100), c.obtiznost), c.ujede);
        vse_vylosovano();
    }
}

TEST_F(RozhodnutiTest, DriveAwayBuysFuelAtHalfATankAndNeedsNineteenUnits)
{
    EXPECT_TRUE(tankuje_na_utek(pocitac(690, 50, 100, 50)));
    EXPECT_FALSE(tankuje_na_utek(pocitac(690, 50, 100, 51)));
    EXPECT_FALSE(tankuje_na_utek(pocitac(690, 49, 100, 10)));

    struct Case {
        const char* co;
        std::int32_t x, nafta;
        std::deque<std::int32_t> hody;
        std::optional<Jizda> jizda;
    } cases[] = {
        {"18 units: stays, nothing drawn", 690, 18, {}, std::nullopt},
        {"right, the shortest", 690, 19, {1, 0}, Jizda{+1, 730}},
        {"right, the longest", 690, 100, {1, 59}, Jizda{+1, 789}},
        {"coin 0: left", 690, 100, {0, 0}, Jizda{-1, 650}},
        {"left, the longest", 690, 100, {0, 59}, Jizda{-1, 591}},
        {"at W - 40 the coin is tossed, then left", W - 40, 100, {1, 10}, Jizda{-1, W - 90}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        hody(c.hody);
        const std::optional<Jizda> j = kam_ujet(pocitac(c.x, 2500, 100, c.nafta));
        vse_vylosovano();
        ASSERT_EQ(j.has_value(), c.jizda.has_value());
        if (j) {
            EXPECT_EQ(j->smer, c.jizda->smer);
            EXPECT_EQ(j->cil, c.jizda->cil);
        }
    }
}

// For k = 1..4 one roll nahoda(4k - 2 * obtiznost) (none where that is 0); on 0 the kind is
// selected if held, else bought when the credits are more than its price.
TEST_F(RozhodnutiTest, WeaponChoiceBySkillHoldingsAndCredits)
{
    constexpr std::int32_t ne = 1; // fails at every argument of 2 or more
    using Naboje = std::array<std::int32_t, pocet_zbrani>;
    using Nakupy = std::array<bool, pocet_zbrani>;
    struct Case {
        const char* co;
        std::int32_t obtiznost, penize;
        Naboje naboje;
        std::deque<std::int32_t> hody;
        std::int32_t zbran;
        Nakupy koupit;
    } cases[] = {
        {"Pokrocily always takes a held Stredni: no roll for it", pokrocily, 2500,
         {0, 5, 3, 0, 0}, {ne, ne, ne}, stredni_strela, {}},
        {"290 credits buy no Stredni", pokrocily, 290, {0, 0, 3, 0, 0}, {ne, ne, ne},
         zakladni_strela, {}},
        {"291 credits buy one", pokrocily, 291, {0, 0, 3, 0, 0}, {ne, ne, ne}, stredni_strela,
         {false, true}},
        {"Expert always takes a held Velka", expert, 0, {0, 0, 1, 0, 0}, {ne, ne, ne},
         velka_strela, {}},
        {"Expert with 590 credits buys no Velka", expert, 590, {0, 0, 0, 0, 0}, {ne, ne, ne},
         zakladni_strela, {}},
        {"Expert's roll at -4: 4 wraps to 0", expert, 0, {0, 2, 0, 0, 0}, {4, ne, ne},
         stredni_strela, {}},
        {"the heaviest success wins, buying on the way", profesional, 1000, {0, 5, 3, 0, 1},
         {0, 0, 0, 0}, mega_nuke, {false, false, false, true}},
        {"a purchase leaves too little for the next", trenink, 1500, {0, 0, 0, 0, 0},
         {0, 0, 0, 0}, velka_strela, {false, true, true}},
        {"all rolls fail: the basic shell", trenink, 2500, {0, 5, 3, 1, 1}, {ne, ne, ne, ne},
         zakladni_strela, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.co);
        PlayerState ja = pocitac(690, c.penize, 200, 100);
        ja.naboje = c.naboje;
        hody(c.hody);
        const VolbaZbrane v = volba_zbrane(ja, c.obtiznost);
        vse_vylosovano();
        EXPECT_EQ(v.zbran, c.zbran);
        EXPECT_EQ(v.koupit, c.koupit);
    }
}

TEST_F(RozhodnutiTest, AnglePositionByWind)
{
    struct Case {
        std::int32_t vitr, hod, P;
    } cases[] = {{-5, 0, 80}, {1, 49, 31}, {1, 50, 80}, {2, 0, 50}, {5, 24, 26}};
    for (const Case& c : cases) {
        hody({c.hod});
        EXPECT_EQ(poloha_uhlu(c.vitr), c.P) << c.vitr << " " << c.hod;
        vse_vylosovano();
    }
}
