// Round set-up, the change of turn and the aiming controls of the battlefield window.
#include "combat/wind.h"
#include "game/turns.h"
#include "tests/support/battlefield_fixture.h"

#include <QComboBox>

#include <functional>

class TurnsTest : public BattlefieldTest {};

TEST_F(TurnsTest, NewRoundResetsTheRoundAndKeepsTheGame)
{
    typ_hry = dva_hraci;
    hrac[0] = {1234, 3, 7, 2, {0, 1, 0, 4, 2}, 80, 150, mega_nuke, 300, 250, clRed};
    hrac[1] = {99, 0, 0, 5, {0, 0, 6, 0, 1}, 100, 20, velka_strela, 500, 260, clBlue};
    bonus_x = 321;
    window->scr_uhel1->setValue(10);
    window->scr_sila2->setValue(200);
    window->cmb_zbran1->setCurrentIndex(mega_nuke);
    window->cmb_zbran1Select();
    clock.now = 1'700'000'123;
    random.next = {8}; // the wind is the first draw after seeding: 8 - 5 = 3

    nove_kolo(*window, 1);

    ASSERT_FALSE(sound.log.empty());
    EXPECT_EQ(sound.log.front(), "data/start.wav");
    ASSERT_EQ(random.seeds.size(), 1u);
    EXPECT_EQ(random.seeds[0], static_cast<std::uint32_t>(1'700'000'123));
    EXPECT_EQ(vitr, 3);
    EXPECT_EQ(window->lbl_vitr->text(), QStringLiteral(">>>"));
    EXPECT_EQ(bonus_x, 0);
    EXPECT_EQ(na_tahu, 1);

    const std::array<std::int32_t, 5> counts[] = {{0, 1, 0, 4, 2}, {0, 0, 6, 0, 1}};
    const std::int32_t money[] = {1234, 99}, points[] = {2, 5}, angles[] = {45, 135};
    for (int p : {0, 1}) {
        SCOPED_TRACE(p);
        const PlayerState& h = hrac[p];
        EXPECT_EQ(h.penize, money[p]);
        EXPECT_EQ(h.stav, points[p]);
        EXPECT_EQ(h.naboje, counts[p]);
        EXPECT_EQ(h.uhel, angles[p]);
        EXPECT_EQ(h.sila, 70);
        EXPECT_EQ(h.zbran, zakladni_strela);
        EXPECT_EQ(h.energie, 200);
        EXPECT_EQ(h.nafta, 100);
        EXPECT_EQ(window->lbl_penize(p)->text(), QString::number(money[p]));
        EXPECT_EQ(window->lbl_uhel(p)->text(), QStringLiteral("45"));
        EXPECT_EQ(window->lbl_sila(p)->text(), QStringLiteral("70"));
        EXPECT_EQ(window->scr_uhel(p)->value(), 45);
        EXPECT_EQ(window->scr_sila(p)->value(), 70);
        EXPECT_EQ(window->cmb_zbran(p)->currentIndex(), zakladni_strela);
        EXPECT_EQ(window->cgg_energie(p)->progress(), 200);
        EXPECT_EQ(window->cgg_nadrz(p)->progress(), 100);
        EXPECT_FALSE(window->lbl_naboje(p, zakladni_strela)->isHidden());
        for (int k = stredni_strela; k < pocet_zbrani; ++k) {
            EXPECT_TRUE(window->lbl_naboje(p, k)->isHidden()) << k;
            EXPECT_EQ(window->lbl_naboje(p, k)->text(), QString::number(counts[p][k])) << k;
        }
        // Each tank stands on the new ground.
        EXPECT_EQ(h.y, vysky[h.x - 15] + 1);
    }
}

TEST_F(TurnsTest, RoundStartSoundOnlyWithSoundOn)
{
    for (bool on : {true, false}) {
        sound.log.clear();
        zvuk = on;
        nove_kolo(*window, 0);
        EXPECT_EQ(sound.count("data/start.wav"), on ? 1 : 0) << on;
        EXPECT_EQ(sound.log.size(), on ? 1u : 0u);
    }
}

TEST_F(TurnsTest, AngleBarsMirrorIntoTheBarrelDirection)
{
    struct Case {
        int p, position, uhel, label;
    } cases[] = {
        {0, 0, 90, 90}, {0, 45, 45, 45}, {0, 85, 5, 5}, {0, 30, 60, 60},
        {1, 5, 175, 5}, {1, 45, 135, 45}, {1, 90, 90, 90}, {1, 60, 120, 60},
    };
    nove_kolo(*window, 0);
    for (const Case& c : cases) {
        QScrollBar* bar = window->scr_uhel(c.p);
        // Pass through another position, so that the case's own position is a change.
        bar->setValue(c.position == 45 ? 50 : 45);
        bar->setValue(c.position);
        EXPECT_EQ(hrac[c.p].uhel, c.uhel) << c.p << " at " << c.position;
        EXPECT_EQ(window->lbl_uhel(c.p)->text(), QString::number(c.label));
    }
    // The user's keys reach the same handler: End is the bar's right end.
    window->scr_uhel1->setEnabled(true);
    QTest::keyClick(window->scr_uhel1, Qt::Key_End);
    EXPECT_EQ(hrac[0].uhel, 5);
}

TEST_F(TurnsTest, PowerBarsSetPowerAndLabel)
{
    for (int p : {0, 1}) {
        window->scr_sila(p)->setValue(200);
        EXPECT_EQ(hrac[p].sila, 200);
        EXPECT_EQ(window->lbl_sila(p)->text(), QStringLiteral("200"));
        window->scr_sila(p)->setValue(5); // below the range: the bar's own end
        EXPECT_EQ(hrac[p].sila, 10);
    }
}

TEST_F(TurnsTest, TurnGoesToThePlayersOnThisComputer)
{
    struct Case {
        std::int32_t typ, tah;
        int player; // whose controls open, -1 none
    } cases[] = {
        {dva_hraci, 0, 0},  {dva_hraci, 1, 1},  {proti_pocitaci, 0, 0}, {proti_pocitaci, 1, -1},
        {sit_server, 0, 0}, {sit_server, 1, -1}, {sit_klient, 0, -1},  {sit_klient, 1, 1},
    };
    nove_kolo(*window, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "typ " << c.typ << " na_tahu " << c.tah);
        // Start from everything enabled, as a running turn would leave it.
        for (int p : {0, 1}) {
            window->scr_uhel(p)->setEnabled(true);
            window->scr_sila(p)->setEnabled(true);
            window->cmb_zbran(p)->setEnabled(true);
        }
        window->btn_pal->setEnabled(true);
        window->btn_obchod->setEnabled(true);
        typ_hry = c.typ;
        na_tahu = c.tah;
        probiha_akce = true;
        sleeper.calls.clear();

        zmena_tahu(*window);

        for (int p : {0, 1}) {
            const bool open = p == c.player;
            EXPECT_EQ(window->scr_uhel(p)->isEnabled(), open) << p;
            EXPECT_EQ(window->scr_sila(p)->isEnabled(), open) << p;
            EXPECT_EQ(window->cmb_zbran(p)->isEnabled(), open) << p;
        }
        const bool someone = c.player >= 0;
        EXPECT_EQ(window->btn_pal->isEnabled(), someone);
        EXPECT_EQ(window->btn_obchod->isEnabled(), someone);
        // Only a human's turn ends the running action, and it begins with the flash.
        EXPECT_EQ(probiha_akce, !someone);
        EXPECT_EQ(sleeper.calls, someone ? std::vector<int>{100} : std::vector<int>{});
    }
}

// The tank is blue on the screen while the flash waits, and back in its colours after.
TEST_F(TurnsTest, TurnFlashIsOnScreenDuringItsPause)
{
    write_sky();
    settings->rdb_clovek_clovek->setChecked(true);
    settings->clb_hrac2->select(clYellow);
    start_game(*window);
    RecordingSleeper watch;
    std::vector<int> pauses;
    bool shown_blue = false;
    watch.hook = [&](int ms) {
        pauses.push_back(ms);
        const PlayerState& h = hrac[1];
        shown_blue = window->platno().pixel(h.x - 15, h.y - 3) == clBlue
                     && window->platno().dirty().isEmpty();
    };
    platform::install(&watch);
    na_tahu = 1;
    zmena_tahu(*window);
    EXPECT_EQ(pauses, std::vector<int>{100});
    EXPECT_TRUE(shown_blue);
    const PlayerState& h = hrac[1];
    EXPECT_NE(window->platno().pixel(h.x - 15, h.y - 3), clBlue);
    EXPECT_TRUE(window->platno().dirty().isEmpty());
}

TEST_F(TurnsTest, WeaponChoiceDecidesTheFireButton)
{
    struct Case {
        int kind, count;
        bool fire;
    } cases[] = {
        {mini_nuke, 0, false}, {zakladni_strela, 0, true}, {stredni_strela, 2, true},
        {velka_strela, 0, false}, {mega_nuke, 1, true},
    };
    typ_hry = dva_hraci;
    nove_kolo(*window, 0);
    for (const Case& c : cases) {
        hrac[0].naboje[c.kind] = c.count;
        window->lbl_naboje(0, c.kind)->setNum(c.count);
        // The user's choice: keys on the combo box, which report it as activated.
        QComboBox* cmb = window->cmb_zbran1;
        QTest::keyClick(cmb, Qt::Key_Home);
        for (int i = 0; i < c.kind; ++i)
            QTest::keyClick(cmb, Qt::Key_Down);
        EXPECT_EQ(hrac[0].zbran, c.kind);
        EXPECT_EQ(window->btn_pal->isEnabled(), c.fire) << c.kind;
        for (int k = 0; k < pocet_zbrani; ++k)
            EXPECT_EQ(window->lbl_naboje(0, k)->isHidden(), k != c.kind) << c.kind << "/" << k;
    }
    EXPECT_EQ(window->lbl_naboje(0, mega_nuke)->text(), QStringLiteral("1"));
    // Player 2's box is not player 1's.
    EXPECT_EQ(hrac[1].zbran, zakladni_strela);
}

TEST_F(TurnsTest, TurnWithAnEmptyWeaponLeavesOnlyTheShop)
{
    write_sky();
    settings->rdb_clovek_clovek->setChecked(true);
    start_game(*window);
    ASSERT_EQ(window->focusWidget(), window->btn_pal);

    hrac[1].zbran = mini_nuke;
    hrac[1].naboje[mini_nuke] = 0;
    na_tahu = 1;
    zmena_tahu(*window);
    EXPECT_FALSE(window->btn_pal->isEnabled());
    EXPECT_NE(window->focusWidget(), window->btn_pal);
    EXPECT_TRUE(window->btn_obchod->isEnabled());
    EXPECT_TRUE(window->cmb_zbran2->isEnabled());

    hrac[1].naboje[mini_nuke] = 1;
    zmena_tahu(*window);
    EXPECT_TRUE(window->btn_pal->isEnabled());
    EXPECT_EQ(window->focusWidget(), window->btn_pal);
}
