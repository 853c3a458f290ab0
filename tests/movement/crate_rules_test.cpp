#include "movement/crate_rules.h"
#include "tests/rules_support/rules_fixture.h"

namespace {

struct Tanky {
    PlayerState hraci[2];
    Tanky(std::int32_t x1, std::int32_t x2)
    {
        hraci[0].x = x1;
        hraci[1].x = x2;
    }
};

} // namespace

class BednaTest : public PravidlaTest {};

// nahoda(W - 30) gives the candidate c - 15. With tanks at 100 and 650 the forbidden columns
// are 55..120, 298..492 and 605..670.
TEST_F(BednaTest, CandidatesAtTheEdgesOfTheForbiddenColumns)
{
    const Tanky t(100, 650);
    struct Case {
        int sloupec;
        bool polozena;
    } cases[] = {
        {15, true},   {54, true},   {55, false},  {100, false}, {120, false}, {121, true},
        {297, true},  {298, false}, {400, false}, {492, false}, {493, true},  {604, true},
        {605, false}, {670, false}, {671, true},  {W - 16, true},
    };
    for (const Case& c : cases) {
        hody({c.sloupec - 15});
        EXPECT_EQ(misto_bedny(0, t.hraci), c.polozena ? c.sloupec : 0) << c.sloupec;
        vse_vylosovano();
        EXPECT_EQ(zakazany_sloupec(c.sloupec, t.hraci), !c.polozena) << c.sloupec;
    }
    // W - 30 wraps to the first candidate.
    hody({W - 30});
    EXPECT_EQ(misto_bedny(0, t.hraci), 15);
}

TEST_F(BednaTest, NoColumnIsDrawnWhileACrateLies)
{
    const Tanky t(100, 650);
    hody({});
    EXPECT_EQ(misto_bedny(250, t.hraci), 0);
    vse_vylosovano();
}

TEST_F(BednaTest, EveryBonusWithItsMessageAndEffect)
{
    struct Case {
        std::int32_t los;
        const char* zprava;
        PlayerState po;
    };
    PlayerState pred;
    pred.penize = 250;
    pred.naboje = {0, 2, 2, 2, 2};
    pred.energie = 37;
    pred.nafta = 3;
    const auto s = [&pred](auto zmena) {
        PlayerState h = pred;
        zmena(h);
        return h;
    };
    const Case cases[] = {
        {0, "Bonus: 1000 kreditu.", s([](PlayerState& h) { h.penize = 1250; })},
        {1, "Bonus: Stredni strela.", s([](PlayerState& h) { h.naboje[1] = 3; })},
        {2, "Bonus: Velka strela.", s([](PlayerState& h) { h.naboje[2] = 3; })},
        {3, "Bonus: Mini Nuke.", s([](PlayerState& h) { h.naboje[3] = 3; })},
        {4, "Bonus: Mega Nuke.", s([](PlayerState& h) { h.naboje[4] = 3; })},
        {5, "Bonus: Plna energie.", s([](PlayerState& h) { h.energie = 200; })},
        {6, "Bonus: Plna nadrz.", s([](PlayerState& h) { h.nafta = 100; })},
        {7, "Bonus: Plna nadrz.", s([](PlayerState& h) { h.nafta = 100; })},
        {8, "Bonus: 1000 kreditu.", s([](PlayerState& h) { h.penize = 1250; })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zprava);
        hody({c.los});
        const Bonus b = vylosuj_bonus();
        vse_vylosovano();
        EXPECT_EQ(b.zprava, c.zprava);
        PlayerState h = pred;
        pripis_bonus(h, b);
        EXPECT_EQ(h.penize, c.po.penize);
        EXPECT_EQ(h.naboje, c.po.naboje);
        EXPECT_EQ(h.energie, c.po.energie);
        EXPECT_EQ(h.nafta, c.po.nafta);
    }
}

TEST(Bedna, ContactWindowsByDirectionAndExplosionsOverItsColumns)
{
    // A crate at 200 is touched from the left at x 195..222, from the right at x 205..232.
    struct Dotyk {
        std::int32_t x;
        int smer;
        bool dotyk;
    } dotyky[] = {
        {194, +1, false}, {195, +1, true}, {222, +1, true}, {223, +1, false},
        {204, -1, false}, {205, -1, true}, {232, -1, true}, {233, -1, false},
    };
    for (const Dotyk& d : dotyky)
        EXPECT_EQ(dotyk_bedny(d.x, d.smer, 200), d.dotyk) << d.x << " " << d.smer;
    EXPECT_FALSE(dotyk_bedny(3, +1, 0));

    // A crate at 420 covers columns 415..425 for a blast of radius 15.
    struct Vybuch {
        int X;
        bool znicena;
    } vybuchy[] = {{400, true}, {399, false}, {440, true}, {441, false}, {420, true}};
    for (const Vybuch& v : vybuchy)
        EXPECT_EQ(vybuch_zasahne_bednu(v.X, 15, 420), v.znicena) << v.X;
}
