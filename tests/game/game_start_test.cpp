// Starting a game: the settings captured when the battlefield is shown, the starting
// stock of both players, the sky band, and what a missing sky picture does.
#include "battlefield/canvas.h"
#include "combat/wind.h"
#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

class GameStartTest : public BattlefieldTest {
protected:
    void SetUp() override
    {
        BattlefieldTest::SetUp();
        write_sky();
    }
};

TEST_F(GameStartTest, SpeedPositionGivesFlightDelay)
{
    const std::int32_t expected[] = {15, 10, 7, 4, 2, 1, 0};
    for (int pos = 0; pos <= 6; ++pos) {
        zpozdeni = 99;
        settings->scr_rychlost->setValue(pos);
        window->FormShow();
        EXPECT_EQ(zpozdeni, expected[pos]) << "position " << pos;
    }
}

TEST_F(GameStartTest, GameTypeAndSkillFromTheCheckedButtons)
{
    struct Case {
        QRadioButton* typ;
        QRadioButton* skill;
        std::int32_t typ_hry, obtiznost;
    } cases[] = {
        {settings->rdb_clovek_pocitac, settings->rdb_trenink, proti_pocitaci, trenink},
        {settings->rdb_clovek_pocitac, settings->rdb_zacatecnik, proti_pocitaci, zacatecnik},
        {settings->rdb_clovek_pocitac, settings->rdb_pokrocily, proti_pocitaci, pokrocily},
        {settings->rdb_clovek_pocitac, settings->rdb_profesional, proti_pocitaci, profesional},
        {settings->rdb_clovek_pocitac, settings->rdb_expert, proti_pocitaci, expert},
        // Two humans: the skill buttons are not read, the previous skill stays.
        {settings->rdb_clovek_clovek, settings->rdb_trenink, dva_hraci, zacatecnik},
    };
    for (const Case& c : cases) {
        obtiznost = zacatecnik;
        typ_hry = 7;
        c.typ->setChecked(true);
        c.skill->setChecked(true);
        window->FormShow();
        EXPECT_EQ(typ_hry, c.typ_hry) << c.typ->text().toStdString();
        EXPECT_EQ(obtiznost, c.obtiznost) << c.skill->text().toStdString();
    }
}

TEST_F(GameStartTest, NetworkTypeClientWinsOverServer)
{
    settings->rdb_internet->setChecked(true);
    settings->rdb_server->setChecked(true);
    window->FormShow();
    EXPECT_EQ(typ_hry, sit_server);
    settings->rdb_klient->setChecked(true);
    window->FormShow();
    EXPECT_EQ(typ_hry, sit_klient);
    // The client never gets a turn: its game starts with player 1 to move.
    EXPECT_FALSE(window->btn_pal->isEnabled());
    EXPECT_FALSE(window->btn_obchod->isEnabled());
}

TEST_F(GameStartTest, NamesColoursAndSoundAreTakenAtTheStart)
{
    settings->edt_jmeno1->setText(QStringLiteral("Alena"));
    settings->edt_jmeno2->setText(QStringLiteral("Bohous"));
    settings->clb_hrac1->select(clOlive);
    settings->clb_hrac2->select(clFuchsia);
    settings->chk_zvuk->setChecked(false);
    window->FormShow();
    EXPECT_EQ(window->lbl_jmeno1->text(), QStringLiteral("Alena"));
    EXPECT_EQ(window->lbl_jmeno2->text(), QStringLiteral("Bohous"));
    EXPECT_EQ(hrac[0].barva, clOlive);
    EXPECT_EQ(hrac[1].barva, clFuchsia);
    EXPECT_FALSE(zvuk);
    EXPECT_EQ(sound.count("data/start.wav"), 0);

    // Changed during the game: nothing happens until the next game.
    settings->edt_jmeno1->setText(QStringLiteral("Cyril"));
    settings->clb_hrac1->select(clLime);
    settings->chk_zvuk->setChecked(true);
    EXPECT_EQ(window->lbl_jmeno1->text(), QStringLiteral("Alena"));
    EXPECT_EQ(hrac[0].barva, clOlive);
    EXPECT_FALSE(zvuk);
}

TEST_F(GameStartTest, SecondGameStartsAfreshButKeepsTheSkill)
{
    settings->rdb_clovek_pocitac->setChecked(true);
    settings->rdb_expert->setChecked(true);
    window->FormShow();
    EXPECT_EQ(obtiznost, expert);
    for (PlayerState& h : hrac) {
        h.penize = 17;
        h.stav = 4;
        h.naboje = {0, 0, 9, 2, 1};
    }
    window.reset();

    settings->rdb_clovek_clovek->setChecked(true);
    settings->rdb_trenink->setChecked(true);
    window = new_window();
    window->FormShow();
    EXPECT_EQ(typ_hry, dva_hraci);
    EXPECT_EQ(obtiznost, expert);
    for (int p : {0, 1}) {
        EXPECT_EQ(hrac[p].penize, 2500);
        EXPECT_EQ(hrac[p].stav, 0);
        EXPECT_EQ(hrac[p].naboje[stredni_strela], 5);
        EXPECT_EQ(hrac[p].naboje[velka_strela], 3);
        EXPECT_EQ(hrac[p].naboje[mini_nuke], 0);
        EXPECT_EQ(hrac[p].naboje[mega_nuke], 0);
        EXPECT_EQ(window->lbl_penize(p)->text(), QStringLiteral("2500"));
        EXPECT_EQ(window->lbl_naboje(p, stredni_strela)->text(), QStringLiteral("5"));
        EXPECT_EQ(window->lbl_naboje(p, velka_strela)->text(), QStringLiteral("3"));
    }
}

TEST_F(GameStartTest, ShowingTheWindowStartsOneGameWithTheSkyBand)
{
    const QImage sky = write_sky();
    start_game(*window);
    EXPECT_EQ(sound.count("data/start.wav"), 1);
    ASSERT_TRUE(nebe);
    // Rows 0..199 are the picture repeated from the origin, right across the W columns.
    const Canvas& c = window->platno();
    for (int x : {0, 96, 97, 500, W - 1})
        for (int y : {0, 60, 61, 199})
            EXPECT_EQ(to_qrgb(c.pixel(x, y)), sky.pixel(x % 97, y % 61)) << x << "," << y;
    EXPECT_NE(to_qrgb(c.pixel(5, 200)), sky.pixel(5, 200 % 61));
    // The first turn is player 1's, ready to fire.
    EXPECT_TRUE(window->btn_pal->isEnabled());
    EXPECT_TRUE(window->scr_uhel1->isEnabled());
    EXPECT_FALSE(window->scr_uhel2->isEnabled());
    EXPECT_EQ(window->lbl_vitr->text(), popisek_vetru(vitr));

    // Another show (after minimising, say) starts no second game.
    window->hide();
    window->show();
    QTest::qWait(50);
    EXPECT_EQ(sound.count("data/start.wav"), 1);

    window->close();
    EXPECT_FALSE(nebe);
    EXPECT_EQ(window->platno().brush_pattern(), nullptr);
}

// No sky picture in the working folder: the user is told which file could not be read,
// no round starts, and the window can still be closed.
TEST_F(BattlefieldTest, MissingSkyPictureIsReportedAndStartsNoRound)
{
    QString caption, text;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    answer.start(20);
    start_game(*window);
    answer.stop();

    EXPECT_EQ(caption, QStringLiteral("Tarvana"));
    EXPECT_TRUE(text.contains(QStringLiteral("data/nebe.bmp"))) << text.toStdString();
    EXPECT_FALSE(nebe);
    EXPECT_EQ(sound.count("data/start.wav"), 0);
    EXPECT_TRUE(random.seeds.empty());
    EXPECT_EQ(window->lbl_vitr->text(), QStringLiteral("Bezvetri"));
    EXPECT_FALSE(window->btn_pal->isEnabled());
    // The captured settings stay as they were captured.
    EXPECT_EQ(hrac[0].penize, 2500);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
}
