// Whole games against the computer through the real fire button: a human who aims well,
// every skill, several rounds; and a window closed in the middle of the computer's turn.
#include "combat/ballistics.h"
#include "tests/support/battlefield_fixture.h"

#include <QTest>
#include <algorithm>

namespace {

// Player 1's scroll-bar position and power that hit player 2 now, if any does.
struct Rana {
    int poloha = 45;
    int sila = 70;
};

Rana najdi_ranu()
{
    for (int poloha = 45; poloha >= 5; poloha -= 5) {
        const int uhel = 90 - poloha;
        const Bod start = hlaven(hrac[0].x, hrac[0].y, uhel);
        for (int sila = 20; sila <= 200; ++sila)
            if (simuluj_let(start, uhel, sila, vitr, hrac, bonus_x, vysky, true).vysledek
                == ImpactKind::tank2)
                return Rana{poloha, sila};
    }
    return Rana{};
}

} // namespace

class HraProtiPocitaci : public BattlefieldTest {
protected:
    HraProtiPocitaci() : BattlefieldTest(Field::computer) {}

    void zacni_hru(std::int32_t skill)
    {
        computer_to_move();
        typ_hry = proti_pocitaci;
        obtiznost = skill;
        zvuk = skill % 2 == 0;
        zpozdeni = 0;
        na_tahu = 0;
        clock.now = 1'700'000'000 + skill;
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(window->hra_zacala(), 5000);
        ASSERT_EQ(na_tahu, 0);
        ASSERT_TRUE(window->btn_pal->isEnabled());
    }

    // What must hold whenever the fire button's handler has returned.
    void zkontroluj_stav() const
    {
        EXPECT_EQ(na_tahu, 0);
        EXPECT_FALSE(probiha_akce);
        EXPECT_FALSE(window->bezi_akce());
        for (QWidget* w : {static_cast<QWidget*>(window->btn_pal), static_cast<QWidget*>(window->btn_obchod),
                           static_cast<QWidget*>(window->scr_uhel1), static_cast<QWidget*>(window->scr_sila1),
                           static_cast<QWidget*>(window->cmb_zbran1)})
            EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
        for (QWidget* w : {static_cast<QWidget*>(window->scr_uhel2), static_cast<QWidget*>(window->scr_sila2),
                           static_cast<QWidget*>(window->cmb_zbran2)})
            EXPECT_FALSE(w->isEnabled());
        for (int p = 0; p < 2; ++p) {
            const PlayerState& h = hrac[p];
            for (int k = 1; k < pocet_zbrani; ++k)
                EXPECT_GE(h.naboje[k], 0) << p << " " << k;
            EXPECT_LE(h.energie, plna_energie);
            EXPECT_GE(h.nafta, 0);
            EXPECT_LE(h.nafta, plna_nadrz);
            EXPECT_EQ(window->cgg_energie(p)->progress(), std::clamp(h.energie, 0, plna_energie));
            EXPECT_EQ(window->cgg_nadrz(p)->progress(), h.nafta);
            EXPECT_EQ(window->lbl_penize(p)->text(), QString::number(h.penize));
            EXPECT_EQ(h.y, vysky[h.x - 15] + 1);
        }
        EXPECT_GE(hrac[1].x, 492);
        EXPECT_LE(hrac[1].x, W);
        EXPECT_GE(hrac[1].sila, 10);
        EXPECT_LE(hrac[1].sila, 200);
        EXPECT_GE(hrac[1].uhel, 100);
        EXPECT_LE(hrac[1].uhel, 170);
    }
};

TEST_F(HraProtiPocitaci, SeveralRoundsAtEverySkill)
{
    for (std::int32_t skill = trenink; skill <= expert; ++skill) {
        SCOPED_TRACE(testing::Message() << "obtiznost " << skill);
        zacni_hru(skill);
        int vystrelu = 0;
        while (hrac[0].stav + hrac[1].stav < 3 && vystrelu < 200) {
            const Rana r = najdi_ranu();
            window->scr_uhel1->setValue(r.poloha);
            window->scr_sila1->setValue(r.sila);
            const size_t pred = sleeper.calls.size();
            QTest::mouseClick(window->btn_pal, Qt::LeftButton);
            ++vystrelu;
            zkontroluj_stav();
            // The computer's turn ran inside the click, with its pauses.
            const std::vector<int> spani(sleeper.calls.begin() + static_cast<long>(pred),
                                         sleeper.calls.end());
            EXPECT_NE(std::find(spani.begin(), spani.end(), 1500), spani.end());
            if (HasFailure())
                return;
        }
        EXPECT_GE(hrac[0].stav + hrac[1].stav, 3) << vystrelu << " shots";
        window->close();
    }
}

TEST_F(HraProtiPocitaci, ClosingDuringTheComputersTurnWaitsForItsEnd)
{
    zacni_hru(pokrocily);
    bool zavreno = false;
    size_t spani_po_zavreni = 0;
    sleeper.hook = [&](int ms) {
        if (ms == 1500 && !zavreno) {
            zavreno = true;
            window->close();
            spani_po_zavreni = sleeper.calls.size();
        }
    };
    zvuk = true;
    QTest::mouseClick(window->btn_pal, Qt::LeftButton);
    ASSERT_TRUE(zavreno);
    // The rest of the turn ran unseen and without pauses, up to the computer's shot, and
    // the window closed only after the fire handler had returned.
    EXPECT_EQ(sleeper.calls.size(), spani_po_zavreni);
    EXPECT_EQ(sound.count("data/vystrel.wav"), 2);
    EXPECT_EQ(window->lbl_sila2->text(), QString::number(hrac[1].sila));
    EXPECT_TRUE(window->zavira_se());
    EXPECT_FALSE(window->bezi_akce());
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 5000);
}
