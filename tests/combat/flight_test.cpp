#include "combat/flight.h"
#include "combat/weapons.h"
#include "tests/support/battlefield_fixture.h"

class FlightTest : public BattlefieldTest {
protected:
    FlightTest() : BattlefieldTest(Field::combat) {}
};

TEST_F(FlightTest, EachStepShowsTheShellWhereItWasThenErasesIt)
{
    zpozdeni = 7;
    const QImage pred = canvas().image().copy();
    Let drah(Bod{100, 277}, 45, 70, 0);
    std::vector<Bod> ocekavane{drah.poloha()};
    int spatne = 0;
    pump.hook = [&] {
        const Bod b = ocekavane.back();
        if (canvas().pixel(b.x, b.y) != clBlack)
            ++spatne;
        ocekavane.push_back(drah.krok());
    };
    let_strely(*window);
    EXPECT_EQ(spatne, 0);
    EXPECT_GT(pump.count, 100);
    // Every step slept zpozdeni once; the flash's two pauses come first.
    EXPECT_EQ(std::count(sleeper.calls.begin(), sleeper.calls.end(), 7), pump.count);
    EXPECT_EQ(sleeper.calls[0], 100);
    EXPECT_EQ(sleeper.calls[1], 100);
    // Nothing of the shell is left in the air, and the sky picture is restored exactly.
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 800; ++x)
            ASSERT_NE(canvas().pixel(x, y), clBlack) << x << ", " << y;
    for (int y = 0; y < 196; ++y)
        for (int x = 0; x < 800; ++x)
            ASSERT_EQ(canvas().image().pixel(x, y), pred.pixel(x, y)) << x << ", " << y;
}

TEST_F(FlightTest, AShellLeavingThroughASideOnlyLaughs)
{
    struct Case {
        int p, x, uhel;
    } cases[] = {{0, 700, 5}, {1, 100, 175}};
    for (const Case& k : cases) {
        sound.log.clear();
        sleeper.calls.clear();
        postav(1 - k.p, 400, 90, 70);
        postav(k.p, k.x, k.uhel, 200);
        na_tahu = k.p;
        hrac[k.p].zbran = velka_strela;
        hrac[k.p].naboje[velka_strela] = 1;
        const Heightmap pred = vysky;
        window->lbl_infotext->setText(QStringLiteral("stara zprava"));
        let_strely(*window);
        EXPECT_EQ(sound.log, (std::vector<std::string>{"data/vystrel.wav", "data/smich.wav"}));
        EXPECT_EQ(vysky, pred);
        EXPECT_EQ(hrac[0].energie, plna_energie);
        EXPECT_EQ(hrac[1].energie, plna_energie);
        EXPECT_EQ(hrac[k.p].penize, 0);
        EXPECT_EQ(hrac[k.p].naboje[velka_strela], 0);
        EXPECT_TRUE(window->lbl_infotext->text().isEmpty());
        EXPECT_FALSE(window->lbl_infotext->isHidden());
        EXPECT_EQ(sleeper.calls, (std::vector<int>{100, 100}));
    }
}

TEST_F(FlightTest, ANukeWaitsASecondBeforeLaunchEvenWithSoundOff)
{
    using Zvuky = std::vector<std::string>;
    struct Case {
        int zbran;
        bool zvuk;
        std::vector<int> pauzy; // slept before the first message processing
        Zvuky zvuky;            // played before it
    } cases[] = {
        {mini_nuke, false, {1000}, {}},
        {mega_nuke, false, {1000}, {}},
        {mega_nuke, true, {1000}, {"data/nuke.wav"}},
        {velka_strela, true, {100, 100}, {"data/vystrel.wav"}},
    };
    for (const Case& k : cases) {
        sleeper.calls.clear();
        sound.log.clear();
        pump.count = 0;
        zvuk = k.zvuk;
        hrac[0].zbran = k.zbran;
        hrac[0].naboje[static_cast<std::size_t>(k.zbran)] = 1;
        hrac[0].energie = hrac[1].energie = plna_energie;
        std::vector<int> pauzy;
        Zvuky zvuky;
        pump.hook = [&] {
            if (pump.count == 1) {
                pauzy = sleeper.calls;
                zvuky = sound.log;
            }
        };
        let_strely(*window);
        EXPECT_EQ(pauzy, k.pauzy) << k.zbran;
        EXPECT_EQ(zvuky, k.zvuky) << k.zbran;
        if (k.zvuk) {
            EXPECT_EQ(sound.count("data/vystrel.wav"), 1);
        } else {
            EXPECT_TRUE(sound.log.empty());
        }
    }
}

TEST_F(FlightTest, OnlyTheFiredWeaponsCountIsSpent)
{
    for (int zbran = 0; zbran < pocet_zbrani; ++zbran) {
        hrac[0].naboje = {0, 3, 3, 3, 3};
        for (int k = 1; k < pocet_zbrani; ++k)
            window->lbl_naboje(0, k)->setText(QStringLiteral("3"));
        hrac[0].zbran = zbran;
        hrac[0].energie = hrac[1].energie = plna_energie;
        let_strely(*window);
        for (int k = 1; k < pocet_zbrani; ++k) {
            const int zbyva = k == zbran ? 2 : 3;
            EXPECT_EQ(hrac[0].naboje[static_cast<std::size_t>(k)], zbyva) << zbran << " fired";
            EXPECT_EQ(window->lbl_naboje(0, k)->text(), QString::number(zbyva)) << zbran << " fired";
        }
    }
}

TEST_F(FlightTest, ADirectHitDamagesOnlyTheHitTankEvenWithTheOtherInReach)
{
    postav(0, 300, 45, 70);
    postav(1, 340, 135, 70);
    hrac[0].zbran = velka_strela;
    hrac[0].naboje[velka_strela] = 1;
    const auto z = zamer(0, ImpactKind::tank2, [](Bod b) {
        return v_dosahu(b.x, b.y, ucinky_zbrani[velka_strela].dosah, hrac[0].x, hrac[0].y);
    });
    ASSERT_TRUE(z);
    mir(0, *z);
    random.next = {7};
    let_strely(*window);
    EXPECT_EQ(hrac[0].energie, plna_energie);
    EXPECT_EQ(hrac[1].energie, plna_energie - 52);
    EXPECT_EQ(hrac[0].penize, 520);
    EXPECT_EQ(window->cgg_energie2->progress(), plna_energie - 52);
    // The crater is dug and both tanks stand on the new surface.
    EXPECT_GT(vysky[325], 300);
    for (const PlayerState& s : hrac)
        EXPECT_EQ(s.y, vysky[static_cast<std::size_t>(s.x - 15)] + 1);
    EXPECT_EQ(sound.log.back(), "data/vybuch.wav");
}

TEST_F(FlightTest, AShellFallingBackOnItsShooterPaysNothing)
{
    hrac[0].uhel = 90;
    hrac[0].sila = 40;
    random.next = {3};
    let_strely(*window);
    EXPECT_EQ(hrac[0].energie, plna_energie - 18);
    EXPECT_EQ(hrac[1].energie, plna_energie);
    EXPECT_EQ(hrac[0].penize, 0);
    EXPECT_TRUE(window->lbl_infotext->text().isEmpty());
    EXPECT_EQ(window->cgg_energie1->progress(), plna_energie - 18);
    // The hit flash in red, for 150 ms.
    EXPECT_EQ(sleeper.calls.back(), 150);
}

TEST_F(FlightTest, AHitCrateExplodesWithoutPayingItsBonus)
{
    struct Case {
        int zbran;
        bool skoda;
    } cases[] = {{zakladni_strela, false}, {stredni_strela, true}};
    for (const Case& k : cases) {
        rovina(300);
        namaluj();
        postav(0, 100, 45, 70);
        postav(1, 520, 135, 70);
        bonus_x = 530;
        hrac[0].zbran = k.zbran;
        hrac[0].naboje[stredni_strela] = 1;
        const auto z = zamer(0, ImpactKind::bedna);
        ASSERT_TRUE(z);
        mir(0, *z);
        const Bod dopad = simuluj_let(hlaven(100, 301, z->first), z->first, z->second, 0, hrac,
                                      bonus_x, vysky, true).bod;
        random.next = {0};
        let_strely(*window);
        EXPECT_EQ(bonus_x, 0);
        // Both weapons blow a crater of radius 15, the basic shell included.
        EXPECT_EQ(vysky[static_cast<std::size_t>(dopad.x)], std::max(300, dopad.y + 15));
        EXPECT_EQ(hrac[1].energie, k.skoda ? plna_energie - 15 : plna_energie) << k.zbran;
        EXPECT_EQ(hrac[0].penize, k.skoda ? 75 : 0) << k.zbran;
        EXPECT_EQ(hrac[0].energie, plna_energie);
    }
}
