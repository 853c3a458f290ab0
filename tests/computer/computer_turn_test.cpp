#include "computer/computer_turn.h"
#include "computer/power_search.h"
#include "tests/support/battlefield_fixture.h"

#include <deque>
#include <optional>

namespace {

constexpr std::int32_t ne = 1; // a projectile roll that fails at every argument (|n| >= 2)
constexpr std::int32_t ano = 0;

// Rolls of a turn that buys nothing and does not drive, with full energy: the energy
// roll (drawn only with 150 credits or more), the danger roll, then the projectile rolls
// for k = 1..4 (a roll whose argument 4k - 2*obtiznost is 0 is never drawn).
std::deque<std::int32_t> hody_zbrani(std::array<std::int32_t, 4> zbrane)
{
    std::deque<std::int32_t> h;
    for (int k = 1; k <= 4; ++k)
        if (4 * k - 2 * obtiznost != 0)
            h.push_back(zbrane[k - 1]);
    return h;
}

std::deque<std::int32_t> klidne_hody(std::array<std::int32_t, 4> zbrane, bool s_penezi = true)
{
    std::deque<std::int32_t> h = hody_zbrani(zbrane);
    h.push_front(0);
    if (s_penezi)
        h.push_front(0);
    return h;
}

} // namespace

class TahPocitaceTest : public BattlefieldTest {
protected:
    TahPocitaceTest() : BattlefieldTest(Field::computer) {}

    void tah(std::deque<std::int32_t> hody)
    {
        random.next = std::move(hody);
        tah_pocitace(*window);
        ASSERT_TRUE(po_vyberu.zachyceno);
        ASSERT_TRUE(pred_vystrelem.zachyceno);
    }
};

TEST_F(TahPocitaceTest, WeaponChoiceBySkillHoldingsAndCredits)
{
    struct Case {
        const char* what;
        std::int32_t obtiznost, penize;
        std::array<std::int32_t, 5> naboje;
        std::array<std::int32_t, 4> hody;
        std::int32_t zbran, penize_po;
        std::array<std::int32_t, 5> naboje_po;
    } cases[] = {
        {"Pokrocily always takes a held Stredni", pokrocily, 2500, {0, 5, 3, 0, 0},
         {ne, ne, ne, ne}, stredni_strela, 2500, {0, 5, 3, 0, 0}},
        {"290 credits buy no Stredni", pokrocily, 290, {0, 0, 3, 0, 0}, {ne, ne, ne, ne},
         zakladni_strela, 290, {0, 0, 3, 0, 0}},
        {"291 credits buy one", pokrocily, 291, {0, 0, 3, 0, 0}, {ne, ne, ne, ne},
         stredni_strela, 1, {0, 1, 3, 0, 0}},
        {"Expert always takes a held Velka", expert, 2500, {0, 5, 3, 0, 0},
         {ne, ne, ne, ne}, velka_strela, 2500, {0, 5, 3, 0, 0}},
        {"Expert buys Velka with 591", expert, 591, {0, 0, 0, 0, 0}, {ne, ne, ne, ne},
         velka_strela, 1, {0, 0, 1, 0, 0}},
        {"negative argument: roll 4 at -4 selects", expert, 100, {0, 2, 0, 0, 0},
         {4, ne, ne, ne}, stredni_strela, 100, {0, 2, 0, 0, 0}},
        {"the heaviest success wins, buying on the way", profesional, 1000, {0, 5, 3, 0, 1},
         {ano, ano, ano, ano}, mega_nuke, 110, {0, 5, 3, 1, 1}},
        {"a failed purchase keeps the earlier choice", trenink, 500, {0, 5, 0, 0, 0},
         {ano, ano, ano, ano}, stredni_strela, 500, {0, 5, 0, 0, 0}},
        {"all rolls fail: the basic shell", trenink, 2500, {0, 5, 3, 1, 1}, {ne, ne, ne, ne},
         zakladni_strela, 2500, {0, 5, 3, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        computer_to_move();
        obtiznost = c.obtiznost;
        hrac[1].penize = c.penize;
        hrac[1].naboje = c.naboje;
        tah(klidne_hody(c.hody, c.penize >= cena_energie));
        EXPECT_EQ(po_vyberu.ja.zbran, c.zbran);
        EXPECT_EQ(po_vyberu.ja.penize, c.penize_po);
        EXPECT_EQ(po_vyberu.ja.naboje, c.naboje_po);
        EXPECT_EQ(pred_vystrelem.ja.zbran, c.zbran);
        for (int k = 0; k < pocet_zbrani; ++k)
            EXPECT_EQ(po_vyberu.naboje_skryte[k], k != c.zbran) << k;
    }
}

TEST_F(TahPocitaceTest, QuietTurnPausesAndNeitherBuysNorDrives)
{
    tah(klidne_hody({ne, ne, ne, ne}));
    EXPECT_EQ(po_vyberu.ja.penize, 2500);
    EXPECT_EQ(po_vyberu.ja.x, W - 100);
    EXPECT_EQ(po_vyberu.ja.nafta, plna_nadrz);
    // 500, 500 and 1500 ms come first, before anything of the shot.
    ASSERT_GE(sleeper.calls.size(), 3u);
    EXPECT_EQ(std::vector<int>(sleeper.calls.begin(), sleeper.calls.begin() + 3),
              (std::vector<int>{500, 500, 1500}));
    EXPECT_EQ(sound.count("data/nakup.wav"), 0);
}

TEST_F(TahPocitaceTest, EnergyStepNeedsCreditsAndAHurtTank)
{
    struct Case {
        const char* what;
        std::int32_t obtiznost, penize, energie;
        std::deque<std::int32_t> hody; // the energy roll and the further loads' coins
        std::int32_t energie_po, penize_po;
    } cases[] = {
        {"140 credits: no roll, no purchase", trenink, 140, 102, {}, 102, 140},
        {"exactly 150: one load, none after", trenink, 150, 100, {0}, 110, 0},
        {"at the threshold 190 - r, then the coin", pokrocily, 2500, 185, {5, 0}, 195, 2350},
        {"just above it", pokrocily, 2500, 186, {5}, 186, 2500},
        {"above Trenink's lowest threshold 111", trenink, 2500, 112, {79}, 112, 2500},
        {"Expert fills to 200", expert, 2500, 120, {59}, 200, 1300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        computer_to_move();
        obtiznost = c.obtiznost;
        hrac[1].penize = c.penize;
        hrac[1].energie = c.energie;
        random.next = c.hody;
        // No drive away (roll 49: danger only at 101 or less), no projectile.
        random.next.push_back(49);
        for (std::int32_t h : hody_zbrani({ne, ne, ne, ne}))
            random.next.push_back(h);
        tah_pocitace(*window);
        ASSERT_TRUE(po_vyberu.zachyceno);
        EXPECT_EQ(po_vyberu.ja.energie, c.energie_po);
        EXPECT_EQ(po_vyberu.ja.penize, c.penize_po);
        EXPECT_EQ(po_vyberu.ja.x, W - 100);
    }
}

TEST_F(TahPocitaceTest, AngleIsMirroredFromTheScrollBarByWind)
{
    struct Case {
        std::int32_t vitr, hod, P;
    } cases[] = {
        {-5, 0, 80}, {1, 49, 31}, {0, 20, 60}, {2, 0, 50}, {5, 24, 26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "vitr " << c.vitr << " P " << c.P);
        computer_to_move();
        vitr = c.vitr;
        std::deque<std::int32_t> hody = klidne_hody({ne, ne, ne, ne});
        hody.push_back(c.hod);
        tah(hody);
        EXPECT_EQ(pred_vystrelem.ja.uhel, 180 - c.P);
        EXPECT_EQ(pred_vystrelem.scr_uhel2, c.P);
        EXPECT_EQ(pred_vystrelem.lbl_uhel2, QString::number(c.P));
    }
}

TEST_F(TahPocitaceTest, UnchangedScrollBarPositionLeavesNinetyPlusP)
{
    window->scr_uhel2->setValue(60);
    hrac[1].uhel = 120;
    std::deque<std::int32_t> hody = klidne_hody({ne, ne, ne, ne});
    hody.push_back(20); // P = 80 - 20 = 60, where the bar already stands
    tah(hody);
    EXPECT_EQ(pred_vystrelem.ja.uhel, 150);
    EXPECT_EQ(pred_vystrelem.lbl_uhel2, QStringLiteral("60"));
}

TEST_F(TahPocitaceTest, FoundPowerIsSpoiltBySkillAndShown)
{
    struct Case {
        std::int32_t obtiznost, hod, chyba;
    } cases[] = {
        {trenink, 0, 10}, {trenink, 19, -9}, {pokrocily, 11, -5}, {expert, 0, 4}, {expert, 7, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.obtiznost << " " << c.hod);
        computer_to_move();
        obtiznost = c.obtiznost;
        std::deque<std::int32_t> hody = klidne_hody({ne, ne, ne, ne});
        hody.push_back(30); // P = 50, uhel 130
        hody.push_back(c.hod);
        // What the search finds from where the computer will stand.
        PlayerState hraci[2] = {hrac[0], hrac[1]};
        hraci[1].uhel = 130;
        const Mireni m = hledej_silu(hraci, vitr, vysky);
        ASSERT_EQ(m.konec.vysledek, ImpactKind::tank1);
        tah(hody);
        EXPECT_EQ(pred_vystrelem.ja.uhel, 130);
        EXPECT_EQ(pred_vystrelem.ja.sila, m.sila + c.chyba);
        EXPECT_EQ(pred_vystrelem.scr_sila2, m.sila + c.chyba);
        EXPECT_EQ(pred_vystrelem.lbl_sila2, QString::number(m.sila + c.chyba));
    }
}

TEST_F(TahPocitaceTest, NoHitFallsBackToAPlainLob)
{
    struct Case {
        std::int32_t sila_hod, uhel_hod, chyba_hod;
        std::int32_t sila, uhel;
    } cases[] = {
        {0, 0, 11, 65, 110},
        {29, 29, 0, 105, 139},
        {10, 15, 6, 80, 125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sila << " " << c.uhel);
        computer_to_move();
        // Ground up to the picture's top right in front of the barrel stops every path.
        for (int x = hrac[1].x - 40; x <= hrac[1].x - 34; ++x)
            vysky[x] = 0;
        std::deque<std::int32_t> hody = klidne_hody({ne, ne, ne, ne});
        hody.insert(hody.end(), {30, c.sila_hod, c.uhel_hod, c.chyba_hod});
        tah(hody);
        EXPECT_EQ(pred_vystrelem.ja.sila, c.sila);
        EXPECT_EQ(pred_vystrelem.ja.uhel, c.uhel);
        // The angle controls go on showing the rolled position.
        EXPECT_EQ(pred_vystrelem.scr_uhel2, 50);
        EXPECT_EQ(pred_vystrelem.lbl_uhel2, QStringLiteral("50"));
    }
}

TEST_F(TahPocitaceTest, GoesForACrateOnlyWithinAHundredColumns)
{
    struct Case {
        const char* what;
        std::int32_t odstup, nafta, penize;
        std::deque<std::int32_t> hody; // the coin, then the fuel loads' rolls
        bool jede;
        std::int32_t nafta_koupena, penize_po_nakupu;
    } cases[] = {
        {"101 columns is too far", -101, 100, 2500, {}, false, 100, 2500},
        {"the coin says no", -100, 100, 2500, {0}, false, 100, 2500},
        {"enough fuel: no purchase", -60, 100, 2500, {1}, true, 100, 2500},
        {"short of fuel: fills up first", -100, 50, 2500, {1, 0, 0, 0, 0}, true, 100, 2250},
        {"30 credits buy a load on credit", -80, 50, 30, {1}, true, 60, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        computer_to_move();
        hrac[1].nafta = c.nafta;
        hrac[1].penize = c.penize;
        bonus_x = hrac[1].x + c.odstup;
        // The first 60 ms step of a drive, one unit of fuel into it.
        std::optional<PlayerState> na_ceste;
        sleeper.hook = [&, puvodni = sleeper.hook](int ms) {
            if (ms == 60 && !na_ceste)
                na_ceste = hrac[1];
            puvodni(ms);
        };
        random.next = c.hody;
        random.next.push_back(0); // energy roll, or the picked-up crate's bonus
        tah_pocitace(*window);
        ASSERT_TRUE(po_vyberu.zachyceno);
        EXPECT_EQ(na_ceste.has_value(), c.jede);
        if (na_ceste) {
            EXPECT_EQ(na_ceste->nafta + 1, c.nafta_koupena);
            EXPECT_EQ(na_ceste->penize, c.penize_po_nakupu);
            EXPECT_LT(po_vyberu.ja.x, W - 100);
        } else {
            EXPECT_EQ(po_vyberu.ja.x, W - 100);
            EXPECT_EQ(po_vyberu.ja.nafta, c.nafta);
            EXPECT_EQ(po_vyberu.ja.penize, c.penize);
        }
    }
}

TEST_F(TahPocitaceTest, HurtTankDrivesAwayOnItsSkillsChance)
{
    struct Case {
        const char* what;
        std::int32_t obtiznost, energie, nafta, x;
        std::deque<std::int32_t> hody; // danger roll, chance, direction coin, distance
        std::int32_t x_po;
    } cases[] = {
        {"not hurt enough", trenink, 151, 100, 690, {0}, 690},
        {"hurt, the chance fails", trenink, 150, 100, 690, {0, 0}, 690},
        {"to the right", trenink, 150, 100, 690, {0, 1, 1, 0}, 745},
        {"coin 0 goes left", pokrocily, 101, 100, 690, {49, 1, 0, 0}, 665},
        {"farthest left", expert, 120, 100, 690, {0, 1, 0, 59}, 606},
        {"Expert's chance is a coin", expert, 120, 100, 690, {0, 2}, 690},
        {"at W - 40 it always goes left", trenink, 100, 100, W - 40, {0, 1, 1, 0}, W - 65},
        {"18 fuel: stays", trenink, 100, 18, 690, {0, 1}, 690},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        computer_to_move();
        obtiznost = c.obtiznost;
        hrac[1].penize = 0; // no purchases: the rolls are only the drive's
        hrac[1].energie = c.energie;
        hrac[1].nafta = c.nafta;
        postav(1, c.x);
        random.next = c.hody;
        for (std::int32_t h : hody_zbrani({ne, ne, ne, ne}))
            random.next.push_back(h);
        tah_pocitace(*window);
        ASSERT_TRUE(po_vyberu.zachyceno);
        EXPECT_EQ(po_vyberu.ja.x, c.x_po);
    }
}
