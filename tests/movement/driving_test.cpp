#include "game/turns.h"
#include "movement/driving.h"
#include "tests/support/battlefield_fixture.h"

#include <QMouseEvent>

class JizdaTest : public BattlefieldTest {
protected:
    JizdaTest() : BattlefieldTest(Field::driving) {}

    // Where the tank stood and what its gauge showed at every 60 ms pause.
    struct Krok {
        int x, y, nafta, ukazatel;
    };
    std::vector<Krok> kroky;

    void SetUp() override
    {
        BattlefieldTest::SetUp();
        zapisovac_.hook = [this](int ms) {
            if (ms == 60) {
                const PlayerState& h = hrac[na_tahu];
                kroky.push_back({h.x, h.y, h.nafta, window->cgg_nadrz(na_tahu)->progress()});
            }
        };
        platform::install(&zapisovac_);
    }

    std::vector<int> pauzy() const { return zapisovac_.calls; }

private:
    RecordingSleeper zapisovac_;
};

TEST_F(JizdaTest, DriveOverNColumnsCostsNPlusOneAndFollowsTheGround)
{
    // Steep ground both ways: the tank's row is that of its centre column at every step.
    for (int c = 0; c < 801; ++c)
        vysky[static_cast<std::size_t>(c)] = 200 + (c % 40) * 3;
    struct Case {
        int hrac, od, X;
    } cases[] = {{0, 100, 135}, {1, 650, 585}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hrac);
        kroky.clear();
        na_tahu = c.hrac;
        postav(c.hrac, c.od);
        natankuj(c.hrac, 100);
        klik(c.X);
        const int cil = c.X + 15;
        const int n = std::abs(cil - c.od);
        EXPECT_EQ(hrac[c.hrac].x, cil);
        EXPECT_EQ(hrac[c.hrac].nafta, 100 - (n + 1));
        EXPECT_EQ(window->cgg_nadrz(c.hrac)->progress(), hrac[c.hrac].nafta);
        ASSERT_EQ(kroky.size(), static_cast<std::size_t>(n + 1));
        const int smer = cil > c.od ? 1 : -1;
        for (int i = 0; i <= n; ++i) {
            const Krok& k = kroky[static_cast<std::size_t>(i)];
            EXPECT_EQ(k.x, c.od + smer * i);
            EXPECT_EQ(k.y, vysky[static_cast<std::size_t>(k.x - 15)] + 1);
            EXPECT_EQ(k.nafta, 99 - i);
            EXPECT_EQ(k.ukazatel, k.nafta);
        }
        EXPECT_FALSE(probiha_akce);
    }
}

TEST_F(JizdaTest, MotorWaitOnlyWithSoundButStopAlways)
{
    for (bool se_zvukem : {true, false}) {
        SCOPED_TRACE(se_zvukem);
        zvuk = se_zvukem;
        sound.log.clear();
        const int pocet = pauzy().size();
        postav(0, 100);
        klik(90); // five columns to the right
        const std::vector<int> vse = pauzy();
        const std::vector<int> p(vse.begin() + pocet, vse.end());
        std::vector<int> cekani(6, 60);
        if (se_zvukem)
            cekani.insert(cekani.begin(), 4100);
        EXPECT_EQ(p, cekani);
        const std::vector<std::string> zvuky =
            se_zvukem ? std::vector<std::string>{"data/motor.wav", "stop"}
                      : std::vector<std::string>{"stop"};
        EXPECT_EQ(sound.log, zvuky);
        EXPECT_EQ(pump.count, se_zvukem ? 1 : 2) << "messages processed once per drive";
    }
}

TEST_F(JizdaTest, SideLimitsStopTheDriveAtTheLimitColumn)
{
    struct Case {
        int hrac, od, X, konec;
    } cases[] = {
        {0, 298, 400, 298}, // already at the limit: nothing moves, nothing burns
        {0, 40, 5, 40},
        {1, 492, 300, 492},
        {1, W, 795, W},
        {0, 290, 400, 298}, // the limit column itself is reached
        {0, 45, -100, 40},  // released outside the picture
        {1, 500, 300, 492},
        {1, 780, 5000, W},
    };
    zvuk = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hrac << " from " << c.od << " to " << c.X);
        sound.log.clear();
        na_tahu = c.hrac;
        postav(c.hrac, c.od);
        natankuj(c.hrac, 100);
        window->lbl_infotext->setText("Zasah!");
        klik(c.X);
        EXPECT_EQ(hrac[c.hrac].x, c.konec);
        EXPECT_EQ(hrac[c.hrac].nafta, c.od == c.konec ? 100 : 100 - (std::abs(c.konec - c.od) + 1));
        EXPECT_EQ(window->lbl_infotext->text(), "");
        if (c.od == c.konec)
            EXPECT_EQ(sound.log, std::vector<std::string>{"stop"});
        else
            EXPECT_EQ(sound.log.front(), "data/motor.wav");
    }
}

TEST_F(JizdaTest, LastUnitOfFuelIsBurntStandingStill)
{
    natankuj(0, 1);
    klik(200);
    EXPECT_EQ(hrac[0].x, 100);
    EXPECT_EQ(hrac[0].nafta, 0);
    EXPECT_EQ(window->cgg_nadrz1->progress(), 0);

    // Now empty: the next click is ignored altogether.
    sound.log.clear();
    window->lbl_infotext->setText("Bonus: Plna energie.");
    klik(200);
    EXPECT_EQ(hrac[0].x, 100);
    EXPECT_EQ(hrac[0].nafta, 0);
    EXPECT_TRUE(sound.log.empty());
    EXPECT_EQ(window->lbl_infotext->text(), "Bonus: Plna energie.");
}

TEST_F(JizdaTest, ClickAtTheTanksOwnCentreDoesNothing)
{
    zvuk = true;
    window->lbl_infotext->setText("Zasah!");
    klik(hrac[0].x - 15);
    EXPECT_EQ(hrac[0].nafta, 100);
    EXPECT_TRUE(sound.log.empty());
    EXPECT_TRUE(pauzy().empty());
    EXPECT_EQ(window->lbl_infotext->text(), "Zasah!");
}

TEST_F(JizdaTest, AClickBeforeTheFirstRoundDrivesNothing)
{
    // The shown window sets up its round only once it is on the screen; a click that
    // comes first finds the last game's tank.
    window->show();
    ASSERT_FALSE(window->hra_zacala());
    klik(200);
    EXPECT_EQ(hrac[0].x, 100);
    EXPECT_EQ(hrac[0].nafta, 100);
    EXPECT_FALSE(probiha_akce);
    EXPECT_TRUE(pauzy().empty());
}

TEST_F(JizdaTest, AnyMouseButtonDrives)
{
    int x = 100;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        klik(x - 15 + 10, b);
        x += 10;
        EXPECT_EQ(hrac[0].x, x) << b;
    }
    EXPECT_EQ(hrac[0].nafta, 100 - 3 * 11) << "each drive pays its own first step";
}

TEST_F(JizdaTest, WhoMayDriveByClicking)
{
    struct Case {
        int typ, tah;
        bool jede;
    } cases[] = {
        {dva_hraci, 0, true},      {dva_hraci, 1, true},
        {proti_pocitaci, 0, true}, {proti_pocitaci, 1, false},
        {sit_server, 0, true},     {sit_server, 1, false},
        {sit_klient, 0, false},    {sit_klient, 1, true},
    };
    for (const Case& c : cases) {
        typ_hry = c.typ;
        na_tahu = c.tah;
        postav(c.tah, c.tah == 0 ? 100 : 650);
        natankuj(c.tah, 100);
        klik(c.tah == 0 ? 150 : 600);
        EXPECT_EQ(hrac[c.tah].nafta < 100, c.jede) << "game type " << c.typ << ", player " << c.tah;
    }
}

TEST_F(JizdaTest, CrateStopsTheDriveAtFirstContactFromEitherSide)
{
    struct Case {
        int hrac, od, X, bonus, kontakt;
    } cases[] = {
        {0, 100, 280, 200, 195}, // from the left at bonus_x - 5
        {1, 700, 500, 600, 632}, // from the right at bonus_x + 32
        {0, 100, 280, 90, 100},  // already inside the window: picked up on the first step
        {1, 700, 500, 670, 700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bonus);
        na_tahu = c.hrac;
        postav(c.hrac, c.od);
        natankuj(c.hrac, 100);
        bonus_x = c.bonus;
        random.next = {6}; // "Bonus: Plna nadrz."
        klik(c.X);
        EXPECT_EQ(hrac[c.hrac].x, c.kontakt);
        EXPECT_EQ(bonus_x, 0);
        EXPECT_EQ(hrac[c.hrac].nafta, 100);
        EXPECT_EQ(window->lbl_infotext->text(), "Bonus: Plna nadrz.");
    }
}

TEST_F(JizdaTest, CrateBehindTheTankIsNotPickedUp)
{
    // Driving right away from a crate on the left, and left from one just right of the
    // tank: neither window covers the path.
    bonus_x = 60;
    klik(150);
    EXPECT_EQ(hrac[0].x, 165);
    EXPECT_EQ(bonus_x, 60);
}

TEST_F(JizdaTest, TankOffTheHeightmapReadsItsNearestColumn)
{
    // The computer may hand over a tank standing where the centre column is off the map.
    vysky.front() = 111;
    hrac[1].x = 5;
    na_tahu = 1;
    jizda_tanku(*window, +1, 0);
    EXPECT_EQ(hrac[1].x, 15);
    EXPECT_EQ(hrac[1].y, vysky[0] + 1);

    natankuj(1, 0);
    hrac[1].x = 600;
    jizda_tanku(*window, -1, 550);
    EXPECT_EQ(hrac[1].x, 600) << "an empty tank does not start";
    EXPECT_EQ(hrac[1].nafta, 0);
}

TEST_F(JizdaTest, FireAndShopClickedDuringTheDriveDoNothing)
{
    int vystrely = 0, obchody = 0;
    QObject::connect(window->btn_pal, &QPushButton::clicked, [&] { ++vystrely; });
    QObject::connect(window->btn_obchod, &QPushButton::clicked, [&] { ++obchody; });
    // The fire button is off before the drive when the chosen kind has run out.
    struct Case {
        int zbran;
        bool pal_predtim;
    } cases[] = {{zakladni_strela, true}, {velka_strela, false}};
    for (const Case& c : cases) {
        hrac[0].zbran = c.zbran;
        hrac[0].naboje[velka_strela] = 0;
        window->btn_pal->setEnabled(c.pal_predtim);
        window->btn_pal->setFocus();
        bool behem_vypnuta = false;
        // The clicks wait in the queue and arrive when the drive lets messages through.
        for (QPushButton* b : {window->btn_pal, window->btn_obchod}) {
            const QPointF stred = QRectF(b->rect()).center();
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    b, new QMouseEvent(t, stred, b->mapToGlobal(stred), Qt::LeftButton,
                                       t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                       Qt::NoModifier));
        }
        pump.hook = [&] {
            behem_vypnuta = !window->btn_pal->isEnabled() && !window->btn_obchod->isEnabled();
        };
        const int od = hrac[0].x;
        klik(od - 15 + 20);
        EXPECT_EQ(hrac[0].x, od + 20);
        EXPECT_TRUE(behem_vypnuta);
        EXPECT_EQ(vystrely, 0);
        EXPECT_EQ(obchody, 0);
        EXPECT_EQ(window->btn_pal->isEnabled(), c.pal_predtim);
        EXPECT_TRUE(window->btn_obchod->isEnabled());
    }
}

TEST_F(JizdaTest, AWeaponChosenDuringTheDriveDecidesTheFireButtonAfterIt)
{
    struct Case {
        const char* nazev;
        int pred, behem;
        bool pal_po;
    } cases[] = {
        {"out of shells, then a kind in stock", velka_strela, stredni_strela, true},
        {"in stock, then a kind run out", stredni_strela, velka_strela, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nazev);
        hrac[0].naboje[stredni_strela] = 5;
        hrac[0].naboje[velka_strela] = 0;
        hrac[0].zbran = c.pred;
        window->cmb_zbran1->setCurrentIndex(c.pred);
        window->btn_pal->setEnabled(muze_strilet(0));
        pump.hook = [&] {
            pump.hook = nullptr;
            window->cmb_zbran1->setCurrentIndex(c.behem);
            window->cmb_zbran1Select();
        };
        const int od = hrac[0].x;
        klik(od - 15 + 20);
        EXPECT_EQ(hrac[0].x, od + 20);
        EXPECT_EQ(hrac[0].zbran, c.behem);
        EXPECT_EQ(window->btn_pal->isEnabled(), c.pal_po);
        EXPECT_TRUE(window->btn_obchod->isEnabled());
    }
}

TEST_F(JizdaTest, BattlefieldClicksDuringADriveWaitForItsEnd)
{
    bool behem = false;
    pump.hook = [&] {
        behem = probiha_akce;
        pump.hook = nullptr;
        // Handled now: ignored, the drive is running.
        klik(250);
        // Still queued when the drive ends: a new drive afterwards.
        const QPointF bod(170, 150);
        QWidget* img = window->img_krajina;
        QCoreApplication::postEvent(img, new QMouseEvent(QEvent::MouseButtonPress, bod,
                                                         img->mapToGlobal(bod), Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(img, new QMouseEvent(QEvent::MouseButtonRelease, bod,
                                                         img->mapToGlobal(bod), Qt::LeftButton,
                                                         Qt::NoButton, Qt::NoModifier));
    };
    klik(115);
    EXPECT_TRUE(behem);
    EXPECT_EQ(hrac[0].x, 130) << "the click made during the drive was ignored";
    EXPECT_EQ(hrac[0].nafta, 100 - 31);
    QCoreApplication::processEvents();
    EXPECT_EQ(hrac[0].x, 185);
    EXPECT_EQ(hrac[0].nafta, 100 - 31 - 56);
}
