#include "computer/purchases.h"
#include "tests/support/battlefield_fixture.h"

#include <deque>

class NakupTest : public BattlefieldTest {
protected:
    NakupTest() : BattlefieldTest(Field::computer) {}

    // The rolls consumed, checked by a sentinel left behind them.
    static constexpr std::int32_t zarazka = 777;
    void hod(std::deque<std::int32_t> hody)
    {
        random.next = std::move(hody);
        random.next.push_back(zarazka);
    }
    void zadne_dalsi_hody() const
    {
        ASSERT_EQ(random.next.size(), 1u);
        EXPECT_EQ(random.next.front(), zarazka);
    }
    void nakupu(size_t n) const
    {
        EXPECT_EQ(sleeper.calls, std::vector<int>(n, 400));
        EXPECT_EQ(sound.count("data/nakup.wav"), static_cast<long>(n));
    }
};

// Fuel and energy are bought in loads of 10: the first always, further ones while the
// credits last, the store is not full and the roll allows.
TEST_F(NakupTest, LoadsStopAtTheCapAtShortCreditsOrOnTheRoll)
{
    enum Zbozi { nafta, energie };
    struct Case {
        const char* what;
        Zbozi co;
        std::int32_t obtiznost, zasoba, penize;
        int n; // fuel's roll argument
        std::deque<std::int32_t> hody;
        std::int32_t zasoba_po, penize_po;
        size_t nakupu;
    } cases[] = {
        {"fuel 95 fills to 100 in one load", nafta, 0, 95, 1000, 1, {}, 100, 950, 1},
        {"fuel n 1 fills the tank", nafta, 0, 0, 2500, 1, {5, 5, 5, 5, 5, 5, 5, 5, 5}, 100, 2000, 10},
        {"fuel: credits run short", nafta, 0, 0, 120, 1, {3}, 20, 20, 2},
        {"fuel: first load on credit", nafta, 0, 50, 30, 1, {}, 60, -20, 1},
        {"fuel n 2 goes on while the roll is 0", nafta, 0, 20, 1000, 2, {0, 0, 1}, 50, 850, 3},
        {"fuel n 2 stops on the first odd roll", nafta, 0, 20, 1000, 2, {1}, 30, 950, 1},
        {"energy 195 tops up to 200", energie, pokrocily, 195, 1000, 0, {}, 200, 850, 1},
        {"energy: exactly 150 buys one load", energie, trenink, 50, 150, 0, {}, 60, 0, 1},
        {"energy: Expert always fills up", energie, expert, 100, 2500, 0, {}, 200, 1000, 10},
        {"energy: Trenink sure below 100, then the coin", energie, trenink, 90, 2500, 0, {1, 0},
         110, 2200, 2},
        {"energy: Zacatecnik sure below 125", energie, zacatecnik, 100, 2500, 0, {0}, 130, 2050, 3},
        {"energy: credits run out before the level", energie, profesional, 0, 450, 0, {}, 30, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sleeper.calls.clear();
        sound.log.clear();
        obtiznost = c.obtiznost;
        hrac[1].penize = c.penize;
        std::int32_t& zasoba = c.co == nafta ? hrac[1].nafta : hrac[1].energie;
        zasoba = c.zasoba;
        hod(c.hody);
        if (c.co == nafta)
            pocitac_kupuje_naftu(*window, c.n);
        else
            pocitac_kupuje_energii(*window);
        EXPECT_EQ(zasoba, c.zasoba_po);
        EXPECT_EQ(hrac[1].penize, c.penize_po);
        EXPECT_EQ((c.co == nafta ? window->cgg_nadrz2 : window->cgg_energie2)->progress(), c.zasoba_po);
        EXPECT_EQ(window->lbl_penize2->text(), QString::number(c.penize_po));
        EXPECT_EQ(window->lbl_infotext->text(), c.co == nafta ? QStringLiteral("Hrac 2 kupuje naftu.")
                                                          : QStringLiteral("Hrac 2 kupuje energii."));
        nakupu(c.nakupu);
        zadne_dalsi_hody();
    }
}

TEST_F(NakupTest, ProjectileIsPaidCountedAnnouncedAndSelected)
{
    struct Case {
        int k;
        std::int32_t penize_po;
        const char* zprava;
    } cases[] = {
        {stredni_strela, 1710, "Pocitac kupuje stredni strelu."},
        {velka_strela, 1410, "Pocitac kupuje velkou strelu."},
        {mini_nuke, 1110, "Pocitac kupuje mini nuke."},
        {mega_nuke, 710, "Pocitac kupuje mega nuke."},
    };
    // The name is read from the label at the moment of the purchase.
    window->lbl_jmeno2->setText(QStringLiteral("Pocitac"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        sleeper.calls.clear();
        sound.log.clear();
        hrac[1].penize = 2000;
        hrac[1].naboje = {0, 5, 3, 0, 0};
        const auto pred = hrac[1].naboje;
        window->cmb_zbran2->setCurrentIndex(0);
        pocitac_kupuje_strelu(*window, c.k);
        EXPECT_EQ(hrac[1].penize, c.penize_po);
        EXPECT_EQ(window->lbl_penize2->text(), QString::number(c.penize_po));
        for (int k = 1; k < pocet_zbrani; ++k)
            EXPECT_EQ(hrac[1].naboje[k], pred[k] + (k == c.k ? 1 : 0)) << k;
        EXPECT_EQ(window->lbl_naboje(1, c.k)->text(), QString::number(pred[c.k] + 1));
        EXPECT_EQ(window->lbl_infotext->text(), QString::fromLatin1(c.zprava));
        EXPECT_EQ(window->cmb_zbran2->currentIndex(), c.k);
        nakupu(1);
    }
}

TEST_F(NakupTest, SilentWithSoundOff)
{
    zvuk = false;
    hrac[1].nafta = 90;
    pocitac_kupuje_naftu(*window, 1);
    hrac[1].energie = 190;
    pocitac_kupuje_energii(*window);
    pocitac_kupuje_strelu(*window, velka_strela);
    EXPECT_TRUE(sound.log.empty());
    EXPECT_EQ(sleeper.calls, (std::vector<int>{400, 400, 400}));
}
