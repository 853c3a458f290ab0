// Enter on the battlefield fires, whatever took the focus, unless the shop button has it.
#include "shop/tarvana_obchod.h"
#include "tests/support/modalni_okna.h"
#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QTest>

#include <functional>

class EnterKeyTest : public BattlefieldTest {
protected:
    void SetUp() override
    {
        BattlefieldTest::SetUp();
        settings->rdb_clovek_clovek->setChecked(true);
        settings->chk_zvuk->setChecked(true);
        write_sky();
        start_game(*window);
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(window->btn_pal->isEnabled());
    }

    // Return pressed and released on whatever has the keyboard focus.
    void enter()
    {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

TEST_F(EnterKeyTest, EnterFiresWhereverTheFocusWentAndOpensTheShopOnlyFromItsButton)
{
    const struct {
        const char* where;
        std::function<void(Tform_hra&)> focus;
        bool fires;
    } cases[] = {
        {"the fire button, as the turn began", [](Tform_hra&) {}, true},
        {"the weapon box, after a weapon was picked with the mouse",
         [](Tform_hra& f) { f.cmb_zbran1->setFocus(Qt::MouseFocusReason); }, true},
        {"the power bar", [](Tform_hra& f) { f.scr_sila1->setFocus(Qt::MouseFocusReason); }, true},
        {"the angle bar", [](Tform_hra& f) { f.scr_uhel1->setFocus(Qt::MouseFocusReason); }, true},
        {"the shop button, tabbed to", [](Tform_hra& f) { f.btn_obchod->setFocus(Qt::TabFocusReason); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        ModalniOkna okna;
        c.focus(*window);
        const long shots = sound.count("data/vystrel.wav");
        const int turn = na_tahu;
        enter();
        EXPECT_EQ(sound.count("data/vystrel.wav") - shots, c.fires ? 1 : 0);
        EXPECT_EQ(na_tahu != turn, c.fires);
        EXPECT_EQ(okna.okna.size(), c.fires ? 0u : 1u) << "the shop opened or stayed shut";
    }
}

TEST_F(EnterKeyTest, AfterTheShopClosesEnterFires)
{
    for (int visit = 0; visit < 2; ++visit) {
        SCOPED_TRACE(visit);
        {
            ModalniOkna okna;
            window->btn_obchod->setFocus(Qt::MouseFocusReason);
            window->btn_obchod->click();
            ASSERT_EQ(okna.okna.size(), 1u);
        }
        // The window manager gives the battlefield back its activation.
        QApplication::setActiveWindow(window.get());
        ModalniOkna okna;
        const long shots = sound.count("data/vystrel.wav");
        enter();
        EXPECT_EQ(sound.count("data/vystrel.wav") - shots, 1);
        EXPECT_TRUE(okna.okna.empty()) << "Enter opened the shop again";
    }
}
