// Modal windows belong to the window they block: the desktop keeps them over it, and one
// minimised comes back when its owner is brought to the front.
#include "game/modal_dialog.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/modalni_okna.h"
#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

class ModalDialogTest : public BattlefieldTest {};

TEST_F(ModalDialogTest, TheShopIsTheBattlefieldsTransientAndComesBackWithIt)
{
    write_sky();
    start_game(*window);
    ModalniOkna okna;
    QWindow* owner = nullptr;
    bool restored = false;
    okna.pri_otevreni = [&](QWidget* w) {
        owner = w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
        w->showMinimized();
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(window.get());
        restored = QTest::qWaitFor([w] { return !w->isMinimized(); }, 2000);
    };
    window->btn_obchod->click();
    ASSERT_EQ(okna.okna.size(), 1u);
    EXPECT_EQ(owner, window->windowHandle());
    EXPECT_TRUE(restored) << "the minimised shop stayed away while the battlefield was activated";
}

TEST_F(ModalDialogTest, WithoutAnOwnerAModalWindowStaysOnItsOwn)
{
    QDialog d;
    QTimer::singleShot(0, &d, [&] {
        EXPECT_EQ(d.windowHandle()->transientParent(), nullptr);
        d.close();
    });
    spust_modalne(d);
}
