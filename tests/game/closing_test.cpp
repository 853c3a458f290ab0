// The battlefield's close box at any moment of a game against the computer: during the
// human's shot, a drive, a shop visit and the computer's whole turn. Each time the close
// must be honoured: the running action ends unseen, nobody gets the controls again, the
// battlefield closes and the main menu comes back.
//
// The close is sent the way the window manager's reaches the game: a spontaneous close
// event for the battlefield's window, handled whenever the game next lets the window
// handle its messages (or by the battlefield's own event loop once the action is over).
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/recorders.h"
#include "tests/support/watchdog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <map>
#include <string>
#include <tuple>

namespace {

enum class Akce { strela, jizda, obchod };

// Where the game stands: the human's action, the computer's turn (player 2 to move), and
// what follows it once player 1 is to move again.
enum class Faze { hrac, pocitac, po_tahu };

// A pause of `delka` ms, a handling of pending messages (delka 0), or in a shop visit
// the moment after `kolikata` purchases.
struct Okamzik {
    const char* nazev;
    Akce akce;
    Faze faze;
    int delka;
    int kolikata;
};

constexpr int pumpa = 0;

// Every moment here exists in every game of this fixture: the landscape and the wind come
// from the standing clock, and the fire button shoots a big shell.
const Okamzik okamziky[] = {
    {"shot: first frame of the muzzle flash", Akce::strela, Faze::hrac, 100, 1},
    {"shot: second frame of the muzzle flash", Akce::strela, Faze::hrac, 100, 2},
    {"shot: first step of the flight", Akce::strela, Faze::hrac, pumpa, 1},
    {"shot: tenth step of the flight", Akce::strela, Faze::hrac, pumpa, 10},
    {"shot: the explosion's first ring", Akce::strela, Faze::hrac, 2, 1},
    {"shot: the explosion's yellow rings", Akce::strela, Faze::hrac, 2, 30},
    {"shot: the explosion fading", Akce::strela, Faze::hrac, 2, 60},
    {"computer: first breath", Akce::strela, Faze::pocitac, 500, 1},
    {"computer: messages after the first breath", Akce::strela, Faze::pocitac, pumpa, 1},
    {"computer: second breath", Akce::strela, Faze::pocitac, 500, 2},
    {"computer: thinking before it aims", Akce::strela, Faze::pocitac, 1500, 1},
    {"computer: messages right before its shot", Akce::strela, Faze::pocitac, pumpa, 4},
    {"computer: its muzzle flash", Akce::strela, Faze::pocitac, 100, 1},
    {"computer: first step of its flight", Akce::strela, Faze::pocitac, pumpa, 5},
    {"computer: twentieth step of its flight", Akce::strela, Faze::pocitac, pumpa, 24},
    {"end of turn: player 1's tank flashes", Akce::strela, Faze::po_tahu, 100, 1},
    {"drive: the engine starts", Akce::jizda, Faze::hrac, 4100, 1},
    {"drive: messages before the first step", Akce::jizda, Faze::hrac, pumpa, 1},
    {"drive: first step", Akce::jizda, Faze::hrac, 60, 1},
    {"drive: tenth step", Akce::jizda, Faze::hrac, 60, 10},
    {"shop: just opened", Akce::obchod, Faze::hrac, 0, 0},
    {"shop: after a purchase", Akce::obchod, Faze::hrac, 0, 1},
    {"shop: after three purchases", Akce::obchod, Faze::hrac, 0, 3},
};

void PrintTo(const Okamzik& o, std::ostream* os) { *os << o.nazev; }

// What one game showed.
struct Prubeh {
    bool zavreni_poslano = false;
    // Pauses slept after the close had been handled: the rest must run unseen.
    int pauz_po_zavreni = 0;
    // Still open long after the action had ended.
    bool ztraceno = false;
    bool bojiste_zavreno = false;
    bool menu_zpet = false;
};

class ZavreniKdykoli : public PlatformTest, public testing::WithParamInterface<Okamzik> {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        spust_tarvanu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_uvod));
        form_nastaveni->rdb_clovek_pocitac->setChecked(true);
        form_nastaveni->chk_zvuk->setChecked(true);
        // The fastest game: the flight's steps do not pause, so every pause of a shot
        // is one of its flash, its explosion or the turn around it.
        form_nastaveni->scr_rychlost->setValue(6);
        // The default weapon has no explosion worth the name: fire a big shell.
        pred_akci = [] {
            form_hra->cmb_zbran1->setCurrentIndex(velka_strela);
            form_hra->cmb_zbran1Select();
        };
    }

    void TearDown() override
    {
        zrus_okna();
        PlatformTest::TearDown();
    }

    std::function<void()> pred_akci;

    // The close box of the battlefield, as the window manager sends it.
    static void zavri_oknem()
    {
        auto* e = new QCloseEvent;
        QSpontaneKeyEvent::setSpontaneous(e);
        QCoreApplication::postEvent(form_hra->windowHandle(), e);
    }

    Prubeh hraj(const Okamzik& o)
    {
        Prubeh p;
        bool akce_spustena = false;
        Faze faze = Faze::hrac;
        std::map<std::tuple<Faze, int>, int> pocty;
        auto pozoruj = [&](int delka) {
            if (!akce_spustena || !form_hra)
                return;
            if (form_hra->zavira_se()) {
                p.pauz_po_zavreni += delka != pumpa;
                return;
            }
            if (faze == Faze::hrac && na_tahu == 1)
                faze = Faze::pocitac;
            else if (faze == Faze::pocitac && na_tahu == 0)
                faze = Faze::po_tahu;
            if (p.zavreni_poslano || o.akce == Akce::obchod || faze != o.faze)
                return;
            if (++pocty[{faze, delka}] == o.kolikata && delka == o.delka) {
                p.zavreni_poslano = true;
                zavri_oknem();
            }
        };
        sleeper.hook = pozoruj;
        pump.hook = [&] { pozoruj(pumpa); };

        QTimer ridic;
        ridic.setInterval(1);
        QElapsedTimer bez_akce;
        QObject::connect(&ridic, &QTimer::timeout, [&] {
            Tform_hra* f = form_hra;
            if (!f || !f->isVisible())
                return;
            // A close that outlives its action by far is lost: the case fails instead of
            // waiting for ever, and the game is ended from here.
            if (p.zavreni_poslano && !f->bezi_akce()) {
                if (!bez_akce.isValid())
                    bez_akce.start();
                else if (bez_akce.elapsed() > 3000) {
                    p.ztraceno = true;
                    f->close();
                    return;
                }
            }
            QWidget* modalni = QApplication::activeModalWidget();
            if (auto* shop = qobject_cast<Tform_obchod*>(modalni)) {
                if (!p.zavreni_poslano) {
                    for (int i = 0; i < o.kolikata; ++i)
                        shop->btn_stredni->click();
                    p.zavreni_poslano = true;
                    zavri_oknem();
                    // Its close box ends the visit once the close has been handled.
                    QCoreApplication::processEvents();
                }
                shop->close();
                return;
            }
            if (akce_spustena || modalni != f || !f->hra_zacala() || !f->btn_pal->isEnabled())
                return;
            akce_spustena = true;
            pred_akci();
            // Queued: the action runs from the battlefield's own loop, as a click does.
            QTimer::singleShot(0, f, [f, a = o.akce] {
                switch (a) {
                case Akce::strela: f->btn_pal->click(); break;
                case Akce::jizda: {
                    // Towards the middle of player 1's half, as far as the tank can go.
                    const int X = hrac[0].x < 170 ? hrac[0].x + 100 : hrac[0].x - 130;
                    QTest::mouseClick(f->img_krajina, Qt::LeftButton, {}, QPoint(X, 150));
                    break;
                }
                case Akce::obchod: f->btn_obchod->click(); break;
                }
            });
        });
        ridic.start();

        // Nothing here really sleeps: a game that has not ended by now is stuck for good.
        Hlidac hlidac(60, std::string("game closed at: ") + o.nazev);
        // Returns once the battlefield is closed.
        form_uvod->btn_start->click();
        ridic.stop();
        p.bojiste_zavreno = form_hra && !form_hra->isVisible();
        p.menu_zpet = form_uvod->isVisible();
        sleeper.hook = nullptr;
        pump.hook = nullptr;
        return p;
    }
};

TEST_P(ZavreniKdykoli, TheBattlefieldClosesAndTheMenuComesBack)
{
    const Okamzik& o = GetParam();
    // The game's landscape, wind and computer are the same from run to run.
    clock.now = 1'700'000'000;
    const Prubeh p = hraj(o);
    ASSERT_TRUE(p.zavreni_poslano) << "the moment never came";
    EXPECT_FALSE(p.ztraceno) << "the close was lost";
    EXPECT_TRUE(p.bojiste_zavreno);
    EXPECT_TRUE(p.menu_zpet);
    EXPECT_EQ(p.pauz_po_zavreni, 0) << "the rest of the action must run unseen";
    EXPECT_FALSE(probiha_akce) << "nothing runs once the window is closed";
    if (o.akce == Akce::strela && o.faze != Faze::po_tahu) {
        // The turn went round by the rules, unseen: the shell was spent, the computer
        // played and player 1 is to move, but nobody got the controls back.
        EXPECT_EQ(na_tahu, 0);
        EXPECT_EQ(hrac[0].naboje[velka_strela], 2);
        EXPECT_FALSE(form_hra->btn_pal->isEnabled());
        EXPECT_FALSE(form_hra->btn_obchod->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Okamziky, ZavreniKdykoli, testing::ValuesIn(okamziky),
                         [](const testing::TestParamInfo<Okamzik>& i) {
                             return "moment" + std::to_string(i.index);
                         });

} // namespace
