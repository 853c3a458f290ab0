// A game played from the keyboard alone: Tab reaches the aiming bars of the player to move,
// their keys move them the way the player sees them, and two keys drive the tank.
#include "game/turns.h"
#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class KeyboardTest : public BattlefieldTest {
protected:
    void SetUp() override
    {
        BattlefieldTest::SetUp();
        settings->rdb_clovek_clovek->setChecked(true);
        write_sky();
        start_game(*window);
        QApplication::setActiveWindow(window.get());
        ASSERT_EQ(QApplication::focusWidget(), window->btn_pal);
    }

    static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, k, m);
        QCoreApplication::processEvents();
    }

    // The controls Tab visits from the fire button until it comes back to it, by name.
    static std::vector<std::string> round_of(Qt::Key k)
    {
        std::vector<std::string> visited;
        for (int i = 0; i < 10; ++i) {
            key(k);
            visited.push_back(name(QApplication::focusWidget()));
            if (QApplication::focusWidget() == form_hra->btn_pal)
                break;
        }
        return visited;
    }
    static std::string name(const QWidget* w)
    {
        return w ? w->accessibleName().toStdString() : std::string("nothing");
    }
    static std::vector<std::string> names(std::initializer_list<const QWidget*> ws)
    {
        std::vector<std::string> v;
        for (const QWidget* w : ws)
            v.push_back(name(w));
        return v;
    }
};

TEST_F(KeyboardTest, TabGoesRoundTheMiddleAndThePanelOfThePlayerToMove)
{
    Tform_hra& f = *window;
    for (int p : {0, 1}) {
        SCOPED_TRACE(p);
        na_tahu = p;
        zmena_tahu(f);
        ASSERT_EQ(QApplication::focusWidget(), f.btn_pal);
        EXPECT_EQ(round_of(Qt::Key_Tab), names({f.btn_obchod, f.scr_uhel(p), f.cmb_zbran(p),
                                                f.scr_sila(p), f.btn_pal}));
        EXPECT_EQ(round_of(Qt::Key_Backtab), names({f.scr_sila(p), f.cmb_zbran(p),
                                                    f.scr_uhel(p), f.btn_obchod, f.btn_pal}));
    }
}

TEST_F(KeyboardTest, AClickOnABarLeavesTheFocusWhereItWas)
{
    // A mouse player's Space still presses the fire button after aiming with the mouse.
    for (QScrollBar* s : {window->scr_uhel1, window->scr_sila1}) {
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
        EXPECT_EQ(name(QApplication::focusWidget()), name(window->btn_pal));
    }
    EXPECT_EQ(window->scr_uhel1->value(), 46) << "the click moved the bar";
}

TEST_F(KeyboardTest, ABarShowsTheFocusOnlyWhenTheKeyboardBroughtIt)
{
    QScrollBar* s = window->scr_uhel1;
    const QImage bez = s->grab().toImage();
    s->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(s->hasFocus());
    EXPECT_NE(s->grab().toImage(), bez) << "no focus frame after Tab";
    window->btn_pal->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(s->grab().toImage(), bez);
    // The settings' speed bar takes the focus from a click as well: no frame then.
    s->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(s->hasFocus());
    EXPECT_EQ(s->grab().toImage(), bez);
}

// Left and Right move the slider that way, Home and End to that end; Up and Page Up raise
// the number the player reads beside the bar, Down and Page Down lower it. Player 1's angle
// reads 90 less the position, so there the two disagree with the position.
TEST_F(KeyboardTest, BarKeysFollowTheSliderAndTheNumberShown)
{
    struct Bar {
        const char* name;
        std::function<QScrollBar*()> bar;
        std::function<QString()> shown;
        int start;
        // What the number reads after each key from the start.
        int left, right, up, down, page_up, page_down, home, end;
    };
    Tform_hra& f = *window;
    Tform_nastaveni& n = *settings;
    const Bar bars[] = {
        {"player 1's angle", [&] { return f.scr_uhel1; }, [&] { return f.lbl_uhel1->text(); },
         45, 46, 44, 46, 44, 50, 40, 90, 5},
        {"player 2's angle", [&] { return f.scr_uhel2; }, [&] { return f.lbl_uhel2->text(); },
         45, 44, 46, 46, 44, 50, 40, 5, 90},
        {"player 1's power", [&] { return f.scr_sila1; }, [&] { return f.lbl_sila1->text(); },
         70, 69, 71, 71, 69, 75, 65, 10, 200},
        {"player 2's power", [&] { return f.scr_sila2; }, [&] { return f.lbl_sila2->text(); },
         70, 69, 71, 71, 69, 75, 65, 10, 200},
        // From "Pomala" on the left, 0, to "Rychla" on the right, 6.
        {"the flight speed", [&] { return n.scr_rychlost; },
         [&] { return QString::number(n.scr_rychlost->value()); }, 3, 2, 4, 4, 2, 4, 2, 0, 6},
    };
    na_tahu = 1;
    zmena_tahu(f);
    // Both panels, as in each player's own turn.
    for (int p : {0, 1}) {
        f.scr_uhel(p)->setEnabled(true);
        f.scr_sila(p)->setEnabled(true);
    }
    for (const Bar& b : bars) {
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Left, b.left},       {Qt::Key_Right, b.right},
            {Qt::Key_Up, b.up},           {Qt::Key_Down, b.down},
            {Qt::Key_PageUp, b.page_up},  {Qt::Key_PageDown, b.page_down},
            {Qt::Key_Home, b.home},       {Qt::Key_End, b.end},
        };
        QScrollBar* s = b.bar();
        const int start = s->value();
        ASSERT_EQ(b.shown(), QString::number(b.start)) << b.name;
        for (const auto& [k, shown] : keys) {
            SCOPED_TRACE(testing::Message() << b.name << ", " << QKeySequence(k).toString().toStdString());
            s->setValue(start);
            QTest::keyClick(s, k);
            EXPECT_EQ(b.shown().toStdString(), std::to_string(shown));
        }
        s->setValue(start);
    }
    // The angle bars aim the barrels too.
    QTest::keyClick(f.scr_uhel1, Qt::Key_Up);
    EXPECT_EQ(hrac[0].uhel, 46);
    QTest::keyClick(f.scr_uhel2, Qt::Key_Up);
    EXPECT_EQ(hrac[1].uhel, 180 - 46);
}

TEST_F(KeyboardTest, BarKeysAimAfterTabbingThereAndEnterStillFires)
{
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->scr_uhel1);
    key(Qt::Key_Up);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->scr_sila1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(hrac[0].uhel, 46);
    EXPECT_EQ(hrac[0].sila, 75);
    const long shots = sound.count("data/vystrel.wav");
    key(Qt::Key_Return);
    EXPECT_EQ(sound.count("data/vystrel.wav") - shots, 1);
    EXPECT_EQ(na_tahu, 1);
}

namespace {

// All that a drive leaves behind, to compare a drive by key with one by mouse.
struct PoJizde {
    PlayerState hrac[2];
    int nafta[2];
    QString info;
    std::int32_t bonus_x;
    std::vector<std::string> zvuky;
    std::vector<int> pauzy;
    bool probiha;

    bool operator==(const PoJizde& o) const
    {
        const auto stejny = [](const PlayerState& a, const PlayerState& b) {
            return a.x == b.x && a.y == b.y && a.nafta == b.nafta && a.penize == b.penize
                   && a.energie == b.energie && a.naboje == b.naboje;
        };
        return stejny(hrac[0], o.hrac[0]) && stejny(hrac[1], o.hrac[1])
               && nafta[0] == o.nafta[0] && nafta[1] == o.nafta[1] && info == o.info
               && bonus_x == o.bonus_x && zvuky == o.zvuky && pauzy == o.pauzy
               && probiha == o.probiha;
    }
};

} // namespace

// "," drives 20 columns to the left and "." 20 to the right: the drive a click 20 columns
// beside the tank's centre starts, with its fuel, limits, crate, pauses and sounds.
TEST_F(KeyboardTest, DriveKeysDriveAsAClickBesideTheTank)
{
    lay_driving_field();
    struct Pripad {
        const char* what;
        std::int32_t typ;
        int p, od, nafta, smer;
        std::int32_t bedna;
        int x, zbyva;   // where the tank ends and the fuel left
    } const pripady[] = {
        {"player 1 to the right", dva_hraci, 0, 100, 100, 1, 0, 120, 79},
        {"player 2 to the left", dva_hraci, 1, 650, 100, -1, 0, 630, 79},
        {"up to the side's edge", dva_hraci, 0, 290, 100, 1, 0, 298, 91},
        {"at the side's edge: no start", dva_hraci, 0, 298, 100, 1, 0, 298, 100},
        {"one unit of fuel: burnt where it stands", dva_hraci, 0, 100, 1, -1, 0, 100, 0},
        {"an empty tank ignores the key", dva_hraci, 0, 100, 0, 1, 0, 100, 0},
        {"the crate stops it and fills the tank", dva_hraci, 0, 100, 100, 1, 115, 110, 100},
        {"the computer's tank is not the player's", proti_pocitaci, 1, 650, 100, -1, 0, 650, 100},
    };
    zvuk = true;
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.what);
        const auto pripravit = [&] {
            typ_hry = c.typ;
            na_tahu = c.p;
            postav(c.p, c.od);
            natankuj(c.p, c.nafta);
            bonus_x = c.bedna;
            random.next = {7};   // a crate's bonus: a full tank
            window->lbl_infotext->setText(QStringLiteral("Zasah!"));
            sound.log.clear();
            sleeper.calls.clear();
        };
        const auto po = [&] {
            return PoJizde{{hrac[0], hrac[1]},
                           {window->cgg_nadrz1->progress(), window->cgg_nadrz2->progress()},
                           window->lbl_infotext->text(), bonus_x, sound.log, sleeper.calls,
                           probiha_akce};
        };
        pripravit();
        key(c.smer < 0 ? Qt::Key_Comma : Qt::Key_Period);
        const PoJizde klavesou = po();
        EXPECT_EQ(hrac[c.p].x, c.x);
        EXPECT_EQ(hrac[c.p].nafta, c.zbyva);
        EXPECT_EQ(window->cgg_nadrz(c.p)->progress(), c.zbyva);

        pripravit();
        klik(c.od - 15 + c.smer * 20);
        EXPECT_TRUE(klavesou == po()) << "the key's drive differs from the click's";
    }
}

TEST_F(KeyboardTest, DriveKeysWorkWhateverHasTheFocus)
{
    lay_driving_field();
    Tform_hra& f = *window;
    for (QWidget* w : {static_cast<QWidget*>(f.btn_pal), static_cast<QWidget*>(f.btn_obchod),
                       static_cast<QWidget*>(f.scr_uhel1), static_cast<QWidget*>(f.cmb_zbran1),
                       static_cast<QWidget*>(f.scr_sila1)}) {
        SCOPED_TRACE(w->accessibleName().toStdString());
        w->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), w);
        natankuj(0, 100);
        const int x = hrac[0].x;
        key(Qt::Key_Period);
        EXPECT_EQ(hrac[0].x, x + 20);
        key(Qt::Key_Comma);
        EXPECT_EQ(hrac[0].x, x);
        EXPECT_EQ(QApplication::focusWidget(), w);
        EXPECT_EQ(f.scr_uhel1->value(), 45);
        EXPECT_EQ(f.scr_sila1->value(), 70);
        EXPECT_EQ(f.cmb_zbran1->currentIndex(), 0);
        EXPECT_TRUE(f.btn_pal->isEnabled());
        EXPECT_TRUE(f.btn_obchod->isEnabled());
        EXPECT_EQ(hrac[0].nafta, 100 - 2 * 21);
    }
}
