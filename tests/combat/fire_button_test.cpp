#include "combat/weapons.h"
#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The fire button on a shown battlefield whose game has started the ordinary way.
class FireButtonTest : public BattlefieldTest {
protected:
    QTimer odpovidac;
    int odmitnuto = 0;

    FireButtonTest() : BattlefieldTest(Field::combat) {}

    void SetUp() override
    {
        BattlefieldTest::SetUp();
        // Any modal window (a message box, a shop opened by mistake) is answered at once,
        // so that a fault fails the test instead of leaving it waiting.
        QObject::connect(&odpovidac, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++odmitnuto;
                d->reject();
            }
        });
        odpovidac.start(20);
    }

    void TearDown() override
    {
        odpovidac.stop();
        BattlefieldTest::TearDown();
    }

    void spust_hru()
    {
        window->show();
        QElapsedTimer t;
        t.start();
        while (!window->hra_zacala() && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(window->hra_zacala());
        ASSERT_TRUE(nebe);
        // Alt+P and Alt+O reach the buttons only in the active window.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The known field of the other tests, laid over the started game.
    void rovne_pole()
    {
        rovina(300);
        postav(0, 100, 45, 70);
        postav(1, 700, 135, 70);
        vitr = 0;
        bonus_x = 0;
        namaluj();
    }

    // The button's mnemonic presses it at once and releases it, clicking, 100 ms later.
    void alt_p()
    {
        QSignalSpy clicked(window->btn_pal, &QAbstractButton::clicked);
        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Alt+P")));
        ASSERT_TRUE(clicked.wait(2000));
    }

    QWidget* ovladani(int i)
    {
        QWidget* w[] = {window->btn_pal,   window->btn_obchod, window->cmb_zbran1, window->cmb_zbran2,
                        window->scr_sila1, window->scr_sila2,  window->scr_uhel1,  window->scr_uhel2};
        return w[i];
    }

    // Aims the player na_tahu through the scroll bars: a direct hit on the opponent if
    // there is one, otherwise the ground hit nearest to it.
    void zamir_na_soupere()
    {
        const int p = na_tahu, o = 1 - p;
        QScrollBar* uhel = window->scr_uhel(p);
        int nejlepsi_pozice = uhel->value(), nejlepsi_sila = 70, nejmensi = 1 << 30;
        for (int d = 0; d <= 90 && nejmensi > 0; ++d) {
            for (int pozice : {45 - d, 45 + d}) {
                if (pozice < uhel->minimum() || pozice > uhel->maximum() || nejmensi == 0)
                    continue;
                uhel->setValue(pozice);
                for (int sila = 10; sila <= 200; sila += 2) {
                    const KonecLetu k = simuluj_let(hlaven(hrac[p].x, hrac[p].y, hrac[p].uhel),
                                                    hrac[p].uhel, sila, vitr, hrac, bonus_x,
                                                    vysky, true);
                    const ImpactKind cil = o == 0 ? ImpactKind::tank1 : ImpactKind::tank2;
                    const int vzdalenost = k.vysledek == cil ? 0
                        : k.vysledek == ImpactKind::mimo     ? 1 << 29
                                                             : std::abs(k.bod.x - (hrac[o].x - 15));
                    if (vzdalenost < nejmensi) {
                        nejmensi = vzdalenost;
                        nejlepsi_pozice = pozice;
                        nejlepsi_sila = sila;
                    }
                    if (nejmensi == 0)
                        break;
                }
            }
        }
        uhel->setValue(nejlepsi_pozice);
        window->scr_sila(p)->setValue(nejlepsi_sila);
    }
};

TEST_F(FireButtonTest, ClosingDuringAFlightFinishesTheShotUnseenThenCloses)
{
    spust_hru();
    rovne_pole();
    hrac[0].zbran = velka_strela; // an explosion with many pauses still to come
    std::size_t spanku_pri_zavreni = 0;
    int zprav_pri_zavreni = 0;
    pump.hook = [&] {
        if (pump.count == 5) {
            window->close();
            spanku_pri_zavreni = sleeper.calls.size();
            zprav_pri_zavreni = pump.count;
        }
    };
    QTest::mouseClick(window->btn_pal, Qt::LeftButton);
    ASSERT_EQ(zprav_pri_zavreni, 5);
    // The rest of the shot ran at once: no more pauses, no more message processing...
    EXPECT_EQ(sleeper.calls.size(), spanku_pri_zavreni);
    EXPECT_EQ(pump.count, 5);
    // ...but it did run: the shell exploded, the turn passed, the sky was kept meanwhile.
    EXPECT_GT(vysky[625], 300);
    EXPECT_EQ(hrac[0].naboje[velka_strela], 2);
    EXPECT_EQ(na_tahu, 1);
    EXPECT_TRUE(nebe);
    EXPECT_TRUE(window->isVisible());
    // The close is carried out once the handler has returned.
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(nebe);
}

TEST_F(FireButtonTest, ClicksAndKeysDuringAFlightStartNothing)
{
    spust_hru();
    rovne_pole();
    bool vse_zakazano = true;
    bool akce = false;
    pump.hook = [&] {
        if (pump.count != 3)
            return;
        for (int i = 0; i < 8; ++i)
            vse_zakazano = vse_zakazano && !ovladani(i)->isEnabled();
        akce = probiha_akce;
        QTest::mouseClick(window->btn_pal, Qt::LeftButton);
        QTest::mouseClick(window->btn_obchod, Qt::LeftButton);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Alt+P")));
        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Alt+O")));
        // Queued ones arrive at the next step's message processing.
        QCoreApplication::postEvent(window.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Enter,
                                                        Qt::NoModifier));
        QCoreApplication::postEvent(window->btn_pal, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                               Qt::NoModifier, QStringLiteral(" ")));
        QCoreApplication::postEvent(window->btn_pal, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space,
                                                               Qt::NoModifier, QStringLiteral(" ")));
        // And the handler itself, should anything reach it.
        window->btn_palClick();
    };
    QTest::mouseClick(window->btn_pal, Qt::LeftButton);
    // A mnemonic that had pressed a button would hold it down and click it 100 ms later.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !window->btn_pal->isDown() && !window->btn_obchod->isDown(); }, 2000));
    EXPECT_TRUE(vse_zakazano);
    EXPECT_TRUE(akce);
    EXPECT_EQ(sound.count("data/vystrel.wav"), 1);
    EXPECT_EQ(odmitnuto, 0); // no shop was opened
    EXPECT_EQ(na_tahu, 1);
    // Once the turn is player 2's, the same key fires: the keys above really were sent.
    pump.hook = {};
    ASSERT_TRUE(window->btn_pal->isEnabled());
    alt_p();
    EXPECT_EQ(sound.count("data/vystrel.wav"), 2);
    EXPECT_EQ(na_tahu, 0);
}

TEST_F(FireButtonTest, ALateClickAfterTheGameIsClosedStartsNothing)
{
    // Alt+P clicks 100 ms after the key; the game may have been closed meanwhile.
    spust_hru();
    rovne_pole();
    hrac[0].zbran = mega_nuke;
    hrac[0].naboje[mega_nuke] = 1;
    window->close();
    ASSERT_FALSE(window->isVisible());
    const std::size_t zvuky = sound.log.size();
    window->btn_pal->click();
    window->btn_obchod->click();
    QTest::mouseClick(window->img_krajina, Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_EQ(hrac[0].naboje[mega_nuke], 1);
    EXPECT_EQ(hrac[0].x, 100);
    EXPECT_EQ(na_tahu, 0);
    EXPECT_EQ(sound.log.size(), zvuky);
    EXPECT_EQ(odmitnuto, 0) << "no shop was opened";
}

TEST_F(FireButtonTest, AnAcceleratorClickLandingOnADisabledButtonDoesNothing)
{
    // The mnemonic's click comes 100 ms after the key, whatever happened meanwhile.
    spust_hru();
    rovne_pole();
    hrac[0].naboje[mini_nuke] = 0;
    for (QPushButton* b : {window->btn_pal, window->btn_obchod}) {
        SCOPED_TRACE(b->text().toStdString());
        ASSERT_TRUE(b->isEnabled());
        b->animateClick();
        // A kind with no shells chosen within those 100 ms turns the fire button off.
        window->cmb_zbran1->setCurrentIndex(mini_nuke);
        window->cmb_zbran1Select();
        QSignalSpy late_click(b, &QAbstractButton::clicked);
        b->setEnabled(false);
        ASSERT_TRUE(late_click.wait(2000));
        EXPECT_EQ(hrac[0].naboje[mini_nuke], 0);
        EXPECT_EQ(sound.count("data/vystrel.wav"), 0);
        EXPECT_EQ(na_tahu, 0);
        EXPECT_EQ(odmitnuto, 0) << "no shop was opened";
        b->setEnabled(true);
    }
}

TEST_F(FireButtonTest, ARoundEndsWithOnlyPlayer1sDestructionWhenBothFall)
{
    struct Case {
        const char* co;
        int strelec;
        bool oba;
        std::int32_t stav1, stav2;
        int zacina; // who moves first in the new round, after the fire handler
    } cases[] = {
        {"both tanks in the blast", 0, true, 0, 1, 0},
        {"player 2 destroys itself", 1, false, 1, 0, 1},
    };
    spust_hru();
    for (const Case& k : cases) {
        rovne_pole();
        postav(0, 300, 45, 70);
        postav(1, 345, 135, 70);
        hrac[0].stav = hrac[1].stav = 0;
        const int s = k.strelec;
        na_tahu = s;
        hrac[s].zbran = velka_strela;
        hrac[s].naboje = {0, 2, 2, 2, 2};
        hrac[0].penize = 100;
        hrac[1].penize = 200;
        std::optional<std::pair<int, int>> z;
        if (k.oba) {
            hrac[0].energie = hrac[1].energie = 10;
            z = zamer(s, ImpactKind::zem, [](Bod b) {
                const int r = ucinky_zbrani[velka_strela].dosah;
                return v_dosahu(b.x, b.y, r, hrac[0].x, hrac[0].y)
                    && v_dosahu(b.x, b.y, r, hrac[1].x, hrac[1].y);
            });
        } else {
            hrac[s].energie = 10;
            z = zamer(s, s == 0 ? ImpactKind::tank1 : ImpactKind::tank2);
        }
        ASSERT_TRUE(z) << k.co;
        mir(s, *z);
        window->btn_pal->setEnabled(true);
        sleeper.calls.clear();
        QTest::mouseClick(window->btn_pal, Qt::LeftButton);
        EXPECT_EQ(hrac[0].stav, k.stav1) << k.co;
        EXPECT_EQ(hrac[1].stav, k.stav2) << k.co;
        EXPECT_EQ(window->lbl_stav1->text(), QString::number(k.stav1)) << k.co;
        EXPECT_EQ(window->lbl_stav2->text(), QString::number(k.stav2)) << k.co;
        EXPECT_EQ(hrac[0].energie, plna_energie) << k.co;
        EXPECT_EQ(hrac[1].energie, plna_energie) << k.co;
        EXPECT_EQ(na_tahu, k.zacina) << k.co;
        EXPECT_EQ(std::count(sleeper.calls.begin(), sleeper.calls.end(), 1000), 1) << k.co;
        // The shooter was paid for what it did to the opponent; nothing was spent but the shell.
        EXPECT_EQ(hrac[s].naboje, (std::array<std::int32_t, pocet_zbrani>{0, 2, 1, 2, 2}));
        EXPECT_EQ(hrac[1 - s].penize, s == 0 ? 200 : 100) << k.co;
    }
}

TEST_F(FireButtonTest, TwoHumansPlaySeveralRoundsThroughTheFireButton)
{
    typ_hry = dva_hraci;
    spust_hru();
    int kola = 0, strel = 0;
    while (kola < 3 && strel < 400) {
        const int p = na_tahu;
        ASSERT_TRUE(window->btn_pal->isEnabled()) << "shot " << strel;
        ASSERT_TRUE(window->scr_uhel(p)->isEnabled());
        ASSERT_FALSE(window->scr_uhel(1 - p)->isEnabled());
        ASSERT_FALSE(probiha_akce);
        zamir_na_soupere();
        const PlayerState pred[2] = {hrac[0], hrac[1]};
        clock.now += 7; // a new round gets a new landscape
        if (strel % 3 == 2)
            alt_p();
        else
            QTest::mouseClick(window->btn_pal, Qt::LeftButton);
        ++strel;
        ASSERT_EQ(sound.count("data/vystrel.wav"), strel);
        if (hrac[0].stav + hrac[1].stav == pred[0].stav + pred[1].stav) {
            EXPECT_EQ(na_tahu, 1 - p);
            continue;
        }
        ++kola;
        const int vitez = hrac[0].stav > pred[0].stav ? 0 : 1;
        const int porazeny = 1 - vitez;
        EXPECT_EQ(hrac[vitez].stav, pred[vitez].stav + 1);
        EXPECT_EQ(hrac[porazeny].stav, pred[porazeny].stav);
        EXPECT_EQ(window->lbl_stav(vitez)->text(), QString::number(hrac[vitez].stav));
        // The loser opens the new round on full energy and fuel.
        EXPECT_EQ(na_tahu, porazeny);
        for (int q = 0; q < 2; ++q) {
            EXPECT_EQ(hrac[q].energie, plna_energie);
            EXPECT_EQ(window->cgg_energie(q)->progress(), plna_energie);
            EXPECT_EQ(hrac[q].nafta, plna_nadrz);
            EXPECT_EQ(hrac[q].naboje, pred[q].naboje);
        }
        // Credits carry over: the loser's are untouched, the winner gained at least the
        // kill bonus, and the message says how much.
        EXPECT_EQ(hrac[porazeny].penize, pred[porazeny].penize);
        const std::int32_t odmena = hrac[vitez].penize - pred[vitez].penize;
        EXPECT_GE(odmena, odmena_zniceni);
        EXPECT_TRUE(window->lbl_infotext->text().endsWith(
            QStringLiteral(" %1 kreditu!").arg(odmena)));
    }
    EXPECT_EQ(kola, 3) << strel << " shots";
}

TEST_F(FireButtonTest, AgainstTheComputerOneClickPlaysBothShotsThenHandsBackTheTurn)
{
    typ_hry = proti_pocitaci;
    spust_hru();
    rovne_pole();
    bool hrac1_zakazan = true;
    int kroku_pocitace = 0;
    pump.hook = [&] {
        if (sound.count("data/vystrel.wav") == 2) {
            ++kroku_pocitace;
            hrac1_zakazan = hrac1_zakazan && !window->btn_pal->isEnabled()
                && !window->scr_uhel1->isEnabled() && !window->btn_obchod->isEnabled();
        }
    };
    QTest::mouseClick(window->btn_pal, Qt::LeftButton);
    EXPECT_EQ(sound.count("data/vystrel.wav"), 2);
    EXPECT_GT(kroku_pocitace, 0);
    EXPECT_TRUE(hrac1_zakazan);
    EXPECT_EQ(na_tahu, 0);
    EXPECT_TRUE(window->btn_pal->isEnabled());
    EXPECT_TRUE(window->scr_uhel1->isEnabled());
    EXPECT_FALSE(window->scr_uhel2->isEnabled());
    EXPECT_FALSE(probiha_akce);
}
