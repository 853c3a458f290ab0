#include "shop/shop_rules.h"

#include <gtest/gtest.h>

namespace {

// The buy buttons in the shop's order: the four projectiles, fuel, energy.
using Tlacitka = std::array<bool, 6>;

Tlacitka povolena(std::int32_t kredit, std::int32_t energie, std::int32_t nafta)
{
    const TlacitkaObchodu t = tlacitka_obchodu(kredit, energie, nafta);
    return {t.strely[stredni_strela], t.strely[velka_strela], t.strely[mini_nuke],
            t.strely[mega_nuke],      t.nafta,                t.energie};
}

} // namespace

TEST(Obchod, ButtonsFollowTheCreditsAndTheCaps)
{
    struct Case {
        const char* co;
        std::int32_t kredit, energie, nafta;
        Tlacitka povolena;
    } cases[] = {
        {"49 credits: nothing", 49, 100, 50, {false, false, false, false, false, false}},
        {"50: only fuel", 50, 100, 50, {false, false, false, false, true, false}},
        {"50 with a full tank: nothing", 50, 100, 100, {false, false, false, false, false, false}},
        {"150: fuel and energy", 150, 100, 50, {false, false, false, false, true, true}},
        {"290: Stredni strela too", 290, 100, 50, {true, false, false, false, true, true}},
        {"1289: all but Mega", 1289, 100, 50, {true, true, true, false, true, true}},
        {"1290: everything", 1290, 100, 50, {true, true, true, true, true, true}},
        {"full energy and tank, ample credits", 5000, 200, 100,
         {true, true, true, true, false, false}},
        {"energy 199 and fuel 99 still buy", 5000, 199, 99, {true, true, true, true, true, true}},
        {"0 after spending 290 on Stredni", 0, 100, 50, {false, false, false, false, false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(povolena(c.kredit, c.energie, c.nafta), c.povolena) << c.co;
}

TEST(Obchod, APurchaseChargesTheFullPriceEvenWhenTheCapCutsItShort)
{
    struct Case {
        const char* co;
        Zbozi zbozi;
        std::int32_t kredit, mnozstvi;
        PoNakupu po;
    } cases[] = {
        {"Stredni strela with exactly 290", strela_zbozi(stredni_strela), 290, 2, {0, 3}},
        {"Velka strela", strela_zbozi(velka_strela), 1000, 0, {410, 1}},
        {"Mini Nuke", strela_zbozi(mini_nuke), 1000, 4, {110, 5}},
        {"Mega Nuke, no cap on counts", strela_zbozi(mega_nuke), 2000, 99, {710, 100}},
        {"fuel 50 to 60", nafta_zbozi, 100, 50, {50, 60}},
        {"fuel 95 to 100 for the full 50", nafta_zbozi, 100, 95, {50, 100}},
        {"energy 195 to 200 for the full 150", energie_zbozi, 150, 195, {0, 200}},
        {"energy 100 to 110", energie_zbozi, 2500, 100, {2350, 110}},
    };
    for (const Case& c : cases) {
        const PoNakupu po = nakup(c.zbozi, c.kredit, c.mnozstvi);
        EXPECT_EQ(po.kredit, c.po.kredit) << c.co;
        EXPECT_EQ(po.mnozstvi, c.po.mnozstvi) << c.co;
    }
    EXPECT_TRUE(lze_koupit(strela_zbozi(stredni_strela), 290));
    EXPECT_FALSE(lze_koupit(strela_zbozi(stredni_strela), 289));
    EXPECT_FALSE(lze_koupit(nafta_zbozi, 49));
    EXPECT_TRUE(lze_koupit(energie_zbozi, 150));
}
