#include "shop/tarvana_obchod.h"
#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QTimer>
#include <functional>

class ObchodTest : public BattlefieldTest {
protected:
    ObchodTest() : BattlefieldTest(Field::driving) {}

    void SetUp() override
    {
        BattlefieldTest::SetUp();
        settings->chk_zvuk->setChecked(false);
    }

    void TearDown() override
    {
        delete form_obchod;
        form_obchod = nullptr;
        BattlefieldTest::TearDown();
    }

    // Player p's record and the battlefield's status controls, alike.
    void hrac_ma(int p, int penize, int energie, int nafta,
                 std::array<std::int32_t, pocet_zbrani> naboje = {})
    {
        PlayerState& h = hrac[p];
        h.penize = penize;
        h.energie = energie;
        h.nafta = nafta;
        h.naboje = naboje;
        window->lbl_penize(p)->setText(QString::number(penize));
        window->cgg_energie(p)->setProgress(energie);
        window->cgg_nadrz(p)->setProgress(nafta);
        for (int k = stredni_strela; k <= mega_nuke; ++k)
            window->lbl_naboje(p, k)->setText(QString::number(naboje[static_cast<std::size_t>(k)]));
    }

    void nakupuj(const std::function<void(Tform_obchod&)>& co)
    {
        ASSERT_TRUE(::nakupuj(*window, co));
    }

    static void kup(QPushButton* b, int kolikrat = 1)
    {
        for (int i = 0; i < kolikrat; ++i)
            QTest::mouseClick(b, Qt::LeftButton);
    }

    static std::vector<QPushButton*> povolena(const Tform_obchod& o)
    {
        std::vector<QPushButton*> v;
        for (QPushButton* b : {o.btn_stredni, o.btn_velka, o.btn_mini, o.btn_mega, o.btn_benzin,
                               o.btn_energie})
            if (b->isEnabled())
                v.push_back(b);
        return v;
    }
};

TEST_F(ObchodTest, WindowLayout)
{
    Tform_obchod o;
    EXPECT_EQ(o.windowTitle(), "Tarvana - Obchod");
    EXPECT_EQ(o.size(), QSize(489, 175));
    EXPECT_EQ(o.minimumSize(), o.maximumSize());
    EXPECT_FALSE(o.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(o.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(o.font().family(), "MS Sans Serif");
    EXPECT_EQ(o.font().pixelSize(), 11);

    struct Misto {
        QWidget* w;
        QWidget* rodic;
        QRect kde;
    } mista[] = {
        {o.grp_zbrane, &o, {0, 0, 257, 175}},
        {o.btn_stredni, o.grp_zbrane, {8, 46, 57, 25}},
        {o.btn_velka, o.grp_zbrane, {8, 78, 57, 25}},
        {o.btn_mini, o.grp_zbrane, {8, 110, 57, 25}},
        {o.btn_mega, o.grp_zbrane, {8, 142, 57, 25}},
        {o.lbl_stredni_cena, o.grp_zbrane, {155, 52, 33, 13}},
        {o.lbl_mega_cena, o.grp_zbrane, {155, 148, 33, 13}},
        {o.lbl_naboje_velka, o.grp_zbrane, {208, 84, 25, 13}},
        {o.grp_vybaveni, &o, {264, 0, 225, 105}},
        {o.btn_benzin, o.grp_vybaveni, {8, 24, 57, 25}},
        {o.btn_energie, o.grp_vybaveni, {8, 64, 57, 25}},
        {o.lbl_benzin_cena, o.grp_vybaveni, {147, 28, 70, 13}},
        {o.lbl_energie_cena, o.grp_vybaveni, {147, 68, 70, 13}},
        {o.grp_energie, &o, {264, 112, 57, 57}},
        {o.grp_nafta, &o, {328, 111, 57, 58}},
        {o.grp_stav_kreditu, &o, {392, 112, 89, 57}},
    };
    for (const Misto& m : mista) {
        EXPECT_EQ(m.w->parentWidget(), m.rodic) << m.w->objectName().toStdString();
        EXPECT_EQ(m.w->geometry(), m.kde);
    }
    for (QLabel* l : {o.lbl_stredni, o.lbl_velka, o.lbl_mini, o.lbl_mega}) {
        EXPECT_EQ(l->x(), 75);
        EXPECT_TRUE(l->font().underline());
    }
    for (QLabel* l : {o.lbl_typstrely, o.lbl_cena, o.lbl_naboje})
        EXPECT_TRUE(l->font().bold());
    // The right-aligned headings end over their columns, and no letter is cut off.
    const std::pair<QLabel*, int> okraje[] = {{o.lbl_cena, 185}, {o.lbl_naboje, 241}};
    for (const auto& [l, vpravo] : okraje) {
        EXPECT_EQ(l->geometry().right() + 1, vpravo);
        EXPECT_TRUE(l->alignment() & Qt::AlignRight);
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()));
    }
    const std::pair<QLabel*, const char*> texty[] = {
        {o.lbl_stredni, "Stredni strela"}, {o.lbl_velka, "Velka strela"},
        {o.lbl_mini, "Mini Nuke"},         {o.lbl_mega, "Mega nuke"},
        {o.lbl_stredni_cena, "290"},       {o.lbl_velka_strela, "590"},
        {o.lbl_mini_cena, "890"},          {o.lbl_mega_cena, "1290"},
        {o.lbl_benzin, "Nafta"},           {o.lbl_benzin_cena, "50 kreditu"},
        {o.lbl_energie, "Energie"},        {o.lbl_energie_cena, "150 kreditu"},
        {o.lbl_naboje_mega, "0"},          {o.lbl_stav_kredit, "0"},
    };
    for (const auto& [l, text] : texty)
        EXPECT_EQ(l->text(), text);
    EXPECT_EQ(o.grp_stav_kreditu->title(), "Stav kreditu");
    EXPECT_TRUE(povolena(o).empty()) << "all six buy buttons start disabled";
}

TEST_F(ObchodTest, ButtonsFollowTheCreditsAndTheCapsWhenOpened)
{
    struct Case {
        int penize, energie, nafta;
        std::vector<int> povolene; // 0..5: stredni, velka, mini, mega, benzin, energie
    } cases[] = {
        {49, 100, 50, {}},
        {50, 100, 50, {4}},
        {50, 100, 100, {}},
        {150, 100, 90, {4, 5}},
        {289, 190, 90, {4, 5}},
        {290, 190, 90, {0, 4, 5}},
        {5000, 200, 100, {0, 1, 2, 3}},
        {1290, 199, 99, {0, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.penize << " credits, energy " << c.energie
                                        << ", fuel " << c.nafta);
        hrac_ma(0, c.penize, c.energie, c.nafta);
        nakupuj([&](Tform_obchod& o) {
            const QPushButton* vse[] = {o.btn_stredni, o.btn_velka, o.btn_mini,
                                        o.btn_mega,    o.btn_benzin, o.btn_energie};
            std::vector<int> povolene;
            for (int i = 0; i < 6; ++i)
                if (vse[i]->isEnabled())
                    povolene.push_back(i);
            EXPECT_EQ(povolene, c.povolene);
            EXPECT_EQ(o.lbl_stav_kredit->text(), QString::number(c.penize));
            EXPECT_EQ(o.lbl_stav_energie->text(), QString::number(c.energie));
            EXPECT_EQ(o.lbl_stav_nafta->text(), QString::number(c.nafta));
        });
    }
}

TEST_F(ObchodTest, ExactlyEnoughForOneShellLeavesNothing)
{
    hrac_ma(0, 290, 150, 50, {0, 2, 0, 0, 0});
    nakupuj([&](Tform_obchod& o) {
        kup(o.btn_stredni);
        EXPECT_EQ(o.lbl_stav_kredit->text(), "0");
        EXPECT_EQ(o.lbl_naboje_stredni->text(), "3");
        EXPECT_TRUE(povolena(o).empty());
        // Seen on the battlefield while the shop is still open.
        EXPECT_EQ(window->lbl_penize1->text(), "0");
        EXPECT_EQ(window->lbl_naboje_stredni1->text(), "3");
        // Nothing more can be had, neither by the button nor by its handler.
        kup(o.btn_stredni);
        o.btn_benzinClick();
        EXPECT_EQ(o.lbl_stav_kredit->text(), "0");
        EXPECT_EQ(o.lbl_stav_nafta->text(), "50");
    });
    EXPECT_EQ(hrac[0].penize, 0);
    EXPECT_EQ(hrac[0].naboje[stredni_strela], 3);
}

TEST_F(ObchodTest, CapsCutTheAmountButNotThePrice)
{
    hrac_ma(0, 1000, 195, 95);
    nakupuj([&](Tform_obchod& o) {
        kup(o.btn_energie);
        EXPECT_EQ(o.lbl_stav_energie->text(), "200");
        EXPECT_EQ(o.lbl_stav_kredit->text(), "850");
        EXPECT_FALSE(o.btn_energie->isEnabled());
        EXPECT_EQ(window->cgg_energie1->progress(), 200);
        kup(o.btn_benzin);
        EXPECT_EQ(o.lbl_stav_nafta->text(), "100");
        EXPECT_EQ(o.lbl_stav_kredit->text(), "800");
        EXPECT_FALSE(o.btn_benzin->isEnabled());
        EXPECT_EQ(window->cgg_nadrz1->progress(), 100);
        EXPECT_EQ(window->lbl_penize1->text(), "800");
    });
    EXPECT_EQ(hrac[0].energie, 200);
    EXPECT_EQ(hrac[0].nafta, 100);
    EXPECT_EQ(hrac[0].penize, 800);
}

TEST_F(ObchodTest, FireButtonAfterBuyingTheSelectedKindOrAnother)
{
    struct Case {
        QPushButton* Tform_obchod::*tlacitko;
        bool pal;
    } cases[] = {{&Tform_obchod::btn_velka, true}, {&Tform_obchod::btn_stredni, false}};
    for (const Case& c : cases) {
        hrac_ma(0, 2000, 200, 100);
        hrac[0].zbran = velka_strela;
        window->btn_pal->setEnabled(false);
        nakupuj([&](Tform_obchod& o) { kup(o.*c.tlacitko); });
        EXPECT_EQ(window->btn_pal->isEnabled(), c.pal);
    }
}

TEST_F(ObchodTest, PurchasesSoundOnlyWhenTheSettingsSaySo)
{
    // The shop listens to the settings window's box, not to the game's switch.
    struct Case {
        bool zaskrtnuto, hra_zvuk;
        long zvuku;
    } cases[] = {{true, false, 6}, {false, true, 0}};
    for (const Case& c : cases) {
        sound.log.clear();
        settings->chk_zvuk->setChecked(c.zaskrtnuto);
        zvuk = c.hra_zvuk;
        hrac_ma(0, 5000, 100, 50);
        nakupuj([&](Tform_obchod& o) {
            for (QPushButton* b : {o.btn_stredni, o.btn_velka, o.btn_mini, o.btn_mega,
                                   o.btn_benzin, o.btn_energie})
                kup(b);
        });
        EXPECT_EQ(hrac[0].penize, 5000 - 290 - 590 - 890 - 1290 - 50 - 150);
        EXPECT_EQ(sound.count("data/nakup.wav"), c.zvuku);
        EXPECT_EQ(static_cast<long>(sound.log.size()), c.zvuku);
    }
}

TEST_F(ObchodTest, LookingWithoutBuyingChangesNothing)
{
    hrac_ma(0, 1234, 170, 60, {0, 1, 2, 3, 4});
    hrac_ma(1, 777, 20, 10, {0, 4, 3, 2, 1});
    const PlayerState pred[2] = {hrac[0], hrac[1]};
    nakupuj([](Tform_obchod&) {});
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(hrac[p].penize, pred[p].penize);
        EXPECT_EQ(hrac[p].energie, pred[p].energie);
        EXPECT_EQ(hrac[p].nafta, pred[p].nafta);
        EXPECT_EQ(hrac[p].naboje, pred[p].naboje);
    }
    EXPECT_EQ(window->lbl_penize1->text(), "1234");
}

TEST_F(ObchodTest, PlayerTwoShopsWithItsOwnControls)
{
    na_tahu = 1;
    window->cmb_zbran1->setEnabled(false);
    window->cmb_zbran2->setEnabled(true);
    hrac_ma(0, 3000, 100, 50);
    hrac_ma(1, 1000, 100, 50, {0, 0, 0, 5, 0});
    nakupuj([&](Tform_obchod& o) {
        EXPECT_EQ(o.hrac_obchodu, 1);
        EXPECT_EQ(o.lbl_naboje_mini->text(), "5");
        kup(o.btn_mini);
        EXPECT_EQ(window->lbl_naboje_mini2->text(), "6");
        EXPECT_EQ(window->lbl_penize2->text(), "110");
    });
    EXPECT_EQ(hrac[1].penize, 110);
    EXPECT_EQ(hrac[1].naboje[mini_nuke], 6);
    EXPECT_EQ(hrac[0].penize, 3000);
    EXPECT_EQ(window->lbl_penize1->text(), "3000");
}

TEST_F(ObchodTest, FractionalCreditsAreReadAsWholeNumbers)
{
    hrac_ma(0, 0, 100, 50);
    window->lbl_penize1->setText("300.9");
    nakupuj([&](Tform_obchod& o) {
        EXPECT_EQ(o.lbl_stav_kredit->text(), "300");
        kup(o.btn_stredni);
        EXPECT_EQ(o.lbl_stav_kredit->text(), "10");
    });
    EXPECT_EQ(hrac[0].penize, 10);
}

TEST_F(ObchodTest, EveryVisitGetsAFreshWindowAndReleasesTheLast)
{
    QPointer<Tform_obchod> prvni;
    nakupuj([&](Tform_obchod& o) { prvni = &o; });
    ASSERT_TRUE(prvni);
    EXPECT_EQ(form_obchod, prvni.data());
    EXPECT_EQ(prvni->parent(), nullptr);
    nakupuj([&](Tform_obchod& o) { EXPECT_NE(&o, prvni.data()); });
    EXPECT_TRUE(prvni.isNull());
    EXPECT_NE(form_obchod, nullptr);
}

TEST_F(ObchodTest, BattlefieldCloseWaitsForTheShop)
{
    hrac_ma(0, 300, 100, 50);
    nakupuj([&](Tform_obchod& o) {
        EXPECT_TRUE(window->bezi_akce());
        window->close();
        EXPECT_TRUE(window->zavira_se());
        kup(o.btn_stredni);
    });
    EXPECT_FALSE(window->bezi_akce());
    EXPECT_EQ(hrac[0].penize, 10) << "the purchase is kept";
}

TEST_F(ObchodTest, ALateClickOfTheShopButtonLeavesTheOpenShopAlone)
{
    // Alt+O clicks 100 ms late; the shop that Space opened meanwhile must survive it.
    hrac_ma(0, 300, 100, 50);
    QPointer<Tform_obchod> otevreny;
    nakupuj([&](Tform_obchod& o) {
        otevreny = &o;
        window->btn_obchod->click();
        EXPECT_EQ(form_obchod, &o);
        kup(o.btn_stredni);
    });
    EXPECT_TRUE(otevreny) << "the open shop was released under its own feet";
    EXPECT_EQ(hrac[0].penize, 10);
}
