#include "computer/purchase_rules.h"
#include "tests/rules_support/rules_fixture.h"

#include <vector>

// One run of loads: the player's stock and credits before and after, the rolls drawn.
struct Davky {
    const char* co;
    int argument; // fuel: the roll's n; energy: obtiznost
    std::int32_t zasoba, penize;
    std::deque<std::int32_t> hody;
    std::int32_t zasoba_po, penize_po;
    int davek;
};

class NakupPocitaceTest : public PravidlaTest {
protected:
    using Kupuj = int (*)(PlayerState&, std::int32_t, const std::function<void()>&);

    // The run with the stock in `zasoba`, loads of `cena` each: how many, what is left, and
    // that each load was shown with its own credits before the next was decided.
    void over(const Davky& c, std::int32_t PlayerState::*zasoba, std::int32_t cena, Kupuj kupuj)
    {
        SCOPED_TRACE(c.co);
        PlayerState ja;
        ja.penize = c.penize;
        ja.*zasoba = c.zasoba;
        std::vector<std::int32_t> videno;
        hody(c.hody);
        EXPECT_EQ(kupuj(ja, c.argument, [&] { videno.push_back(ja.penize); }), c.davek);
        vse_vylosovano();
        EXPECT_EQ(ja.*zasoba, c.zasoba_po);
        EXPECT_EQ(ja.penize, c.penize_po);
        ASSERT_EQ(videno.size(), static_cast<std::size_t>(c.davek));
        for (int i = 0; i < c.davek; ++i)
            EXPECT_EQ(videno[i], c.penize - (i + 1) * cena) << "load " << i + 1;
    }
};

// Loads of 10 fuel for 50, up to 100: the first always, each further one while the credits
// cover it, the tank is not full and nahoda(n) gives 0.
TEST_F(NakupPocitaceTest, FuelLoadsStopAtAFullTankShortCreditsOrTheRoll)
{
    const Davky cases[] = {
        {"95: one load for 50, then full", 1, 95, 1000, {}, 100, 950, 1},
        {"n 1 fills up, nahoda(1) drawn between loads", 1, 0, 2500, {5, 5, 5, 5, 5, 5, 5, 5, 5},
         100, 2000, 10},
        {"a crate drive on credit: 30 leave -20", 1, 50, 30, {}, 60, -20, 1},
        {"n 2 goes on while the coin is 0", 2, 20, 1000, {0, 0, 1}, 50, 850, 3},
    };
    for (const Davky& c : cases)
        over(c, &PlayerState::nafta, 50, kupuj_naftu);
}

// Loads of 10 energy for 150, up to 200: below 100 + 25 * obtiznost the next load is sure
// while the credits last, above it a coin decides.
TEST_F(NakupPocitaceTest, EnergyLoadsAreSureBelowTheSkillsLevelThenOnACoin)
{
    const Davky cases[] = {
        {"195: one load for the full 150", pokrocily, 195, 1000, {}, 200, 850, 1},
        {"exactly 150 credits: one load, none after", trenink, 50, 150, {}, 60, 0, 1},
        {"Expert fills to 200 without a coin", expert, 100, 2500, {}, 200, 1000, 10},
        {"Trenink: the coin from 100 on", trenink, 90, 2500, {1, 0}, 110, 2200, 2},
    };
    for (const Davky& c : cases)
        over(c, &PlayerState::energie, 150, kupuj_energii);
}

TEST_F(NakupPocitaceTest, ProjectilesAtTheirPricesWithTheirMessages)
{
    struct Case {
        int k;
        std::int32_t penize_po;
        const char* zprava;
    } cases[] = {
        {stredni_strela, 1710, " kupuje stredni strelu."},
        {velka_strela, 1410, " kupuje velkou strelu."},
        {mini_nuke, 1110, " kupuje mini nuke."},
        {mega_nuke, 710, " kupuje mega nuke."},
    };
    for (const Case& c : cases) {
        PlayerState ja;
        ja.penize = 2000;
        ja.naboje = {0, 5, 3, 0, 0};
        const auto pred = ja.naboje;
        kup_strelu(ja, c.k);
        EXPECT_EQ(ja.penize, c.penize_po) << c.k;
        for (int k = 1; k < pocet_zbrani; ++k)
            EXPECT_EQ(ja.naboje[k], pred[k] + (k == c.k ? 1 : 0)) << c.k << " " << k;
        EXPECT_STREQ(zprava_strely(c.k), c.zprava);
    }
    EXPECT_STREQ(zprava_nafty, " kupuje naftu.");
    EXPECT_STREQ(zprava_energie, " kupuje energii.");
}
