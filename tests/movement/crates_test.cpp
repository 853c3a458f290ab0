#include "movement/crates.h"
#include "tests/support/battlefield_fixture.h"

#include <functional>

class UmisteniBednyTest : public BattlefieldTest {
protected:
    UmisteniBednyTest() : BattlefieldTest(Field::driving) {}

    // Crate-coloured pixels in the box of a crate at column b.
    int hnede_body(int b)
    {
        const int g = vysky[static_cast<std::size_t>(b)];
        int n = 0;
        for (int x = b - 5; x <= b + 4; ++x)
            for (int y = g - 8; y <= g; ++y)
                n += window->platno().pixel(x, y) == clMaroon;
        return n;
    }
};

// nahoda(W - 30) hands out the candidate c - 15 when told the value c - 15.
static void nabidni_sloupec(ScriptedRandom& r, int c) { r.next.push_back(c - 15); }

TEST_F(UmisteniBednyTest, CandidatesAtTheEdgesOfTheForbiddenColumns)
{
    // Tanks at 100 and 650: forbidden 55..120, 298..492 and 605..670.
    struct Case {
        int sloupec;
        bool polozena;
    } cases[] = {
        {15, true},   {54, true},   {55, false},  {100, false}, {120, false},
        {121, true},  {297, true},  {298, false}, {400, false}, {492, false},
        {493, true},  {604, true},  {605, false}, {670, false}, {671, true},
        {W - 16, true},
    };
    for (const Case& c : cases) {
        bonus_x = 0;
        nabidni_sloupec(random, c.sloupec);
        umisti_bonus(*window);
        EXPECT_EQ(bonus_x, c.polozena ? c.sloupec : 0) << "candidate " << c.sloupec;
    }
}

TEST_F(UmisteniBednyTest, NeverLandsOnAForbiddenColumnOverManySeeds)
{
    int polozeno = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        random.seed(seed);
        postav(0, 40 + nahoda(259));
        postav(1, 492 + nahoda(W - 491));
        bonus_x = 0;
        umisti_bonus(*window);
        if (bonus_x == 0)
            continue;
        ++polozeno;
        EXPECT_GE(bonus_x, 15);
        EXPECT_LE(bonus_x, W - 16);
        EXPECT_FALSE(bonus_x >= 298 && bonus_x <= 492) << bonus_x;
        for (const PlayerState& h : hrac)
            EXPECT_FALSE(bonus_x >= h.x - 45 && bonus_x <= h.x + 20)
                << bonus_x << " next to a tank at " << h.x;
    }
    // A little over half of the candidates are allowed.
    EXPECT_GT(polozeno, 120);
    EXPECT_LT(polozeno, 320);
}

TEST_F(UmisteniBednyTest, PlacedCrateWaitsIsDrawnAndSoundsOnlyWithSoundOn)
{
    for (bool se_zvukem : {true, false}) {
        sleeper.calls.clear();
        sound.log.clear();
        zvuk = se_zvukem;
        bonus_x = 0;
        nabidni_sloupec(random, 200);
        umisti_bonus(*window);
        EXPECT_EQ(bonus_x, 200);
        EXPECT_EQ(sleeper.calls, std::vector<int>{500});
        EXPECT_EQ(sound.log, se_zvukem ? std::vector<std::string>{"data/bonus.wav"}
                                       : std::vector<std::string>{});
        EXPECT_GT(hnede_body(200), 45);
        // Picking it up takes it off the picture.
        random.next = {0};
        seber_bonus(*window);
        EXPECT_EQ(hnede_body(200), 0);
    }
}

TEST_F(UmisteniBednyTest, ForbiddenCandidateIsSilentAndLyingCrateStays)
{
    zvuk = true;
    nabidni_sloupec(random, 400);
    umisti_bonus(*window);
    EXPECT_EQ(bonus_x, 0);
    EXPECT_TRUE(sleeper.calls.empty());
    EXPECT_TRUE(sound.log.empty());

    bonus_x = 250;
    nabidni_sloupec(random, 200);
    umisti_bonus(*window);
    EXPECT_EQ(bonus_x, 250);
    EXPECT_EQ(random.next.size(), 1u) << "no column drawn while a crate lies";
    EXPECT_TRUE(sound.log.empty());
}

class SebraniBednyTest : public BattlefieldTest {
protected:
    SebraniBednyTest() : BattlefieldTest(Field::driving) {}
};

TEST_F(SebraniBednyTest, EveryKindOfBonusWithItsMessageAndDisplay)
{
    struct Case {
        int los;
        int hrac;
        const char* zprava;
        std::function<void(const PlayerState&, Tform_hra&, int)> over;
    };
    const auto naboj = [](int druh) {
        return [druh](const PlayerState& h, Tform_hra& f, int p) {
            EXPECT_EQ(h.naboje[static_cast<std::size_t>(druh)], 3);
            EXPECT_EQ(f.lbl_naboje(p, druh)->text(), "3");
        };
    };
    const auto plna = [](const PlayerState& h, Tform_hra& f, int p) {
        EXPECT_EQ(h.nafta, 100);
        EXPECT_EQ(f.cgg_nadrz(p)->progress(), 100);
    };
    const Case cases[] = {
        {0, 0, "Bonus: 1000 kreditu.",
         [](const PlayerState& h, Tform_hra& f, int p) {
             EXPECT_EQ(h.penize, 1250);
             EXPECT_EQ(f.lbl_penize(p)->text(), "1250");
         }},
        {1, 1, "Bonus: Stredni strela.", naboj(stredni_strela)},
        {2, 0, "Bonus: Velka strela.", naboj(velka_strela)},
        {3, 1, "Bonus: Mini Nuke.", naboj(mini_nuke)},
        {4, 0, "Bonus: Mega Nuke.", naboj(mega_nuke)},
        {5, 1, "Bonus: Plna energie.",
         [](const PlayerState& h, Tform_hra& f, int p) {
             EXPECT_EQ(h.energie, 200);
             EXPECT_EQ(f.cgg_energie(p)->progress(), 200);
         }},
        {6, 0, "Bonus: Plna nadrz.", plna},
        {7, 1, "Bonus: Plna nadrz.", plna},
    };
    zvuk = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zprava);
        sleeper.calls.clear();
        sound.log.clear();
        na_tahu = c.hrac;
        for (PlayerState& h : hrac) {
            h.penize = 250;
            h.naboje = {0, 2, 2, 2, 2};
            h.energie = 37;
            h.nafta = 3;
        }
        const PlayerState druhy = hrac[1 - c.hrac];
        bonus_x = 200;
        random.next = {c.los};
        seber_bonus(*window);
        c.over(hrac[c.hrac], *window, c.hrac);
        EXPECT_EQ(window->lbl_infotext->text(), c.zprava);
        EXPECT_EQ(hrac[1 - c.hrac].penize, druhy.penize);
        EXPECT_EQ(hrac[1 - c.hrac].naboje, druhy.naboje);
        EXPECT_EQ(hrac[1 - c.hrac].nafta, druhy.nafta);
        EXPECT_EQ(hrac[1 - c.hrac].energie, druhy.energie);
        EXPECT_EQ(bonus_x, 0);
        EXPECT_EQ(sound.log, std::vector<std::string>{"data/nakup.wav"});
        EXPECT_EQ(sleeper.calls, std::vector<int>{400});
    }
}

TEST_F(SebraniBednyTest, NoCrateNoBonusAndSilentWithSoundOff)
{
    random.next = {0};
    seber_bonus(*window);
    EXPECT_EQ(hrac[0].penize, 0);
    EXPECT_TRUE(sleeper.calls.empty());

    bonus_x = 300;
    zvuk = false;
    seber_bonus(*window);
    EXPECT_EQ(hrac[0].penize, 1000);
    EXPECT_TRUE(sound.log.empty());
}
