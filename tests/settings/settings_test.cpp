// The settings window: its designed state, the game-type handlers, the name checks,
// the colour pickers and the application-wide hint switch.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "game/hints.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "tests/support/modalni_okna.h"
#include "tests/support/recorders.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <memory>

namespace {

class NastaveniTest : public PlatformTest {
protected:
    std::unique_ptr<Tform_nastaveni> okno;

    void SetUp() override
    {
        PlatformTest::SetUp();
        okno = std::make_unique<Tform_nastaveni>();
        okno->show();
        aktivuj();
    }
    // Brings the window back to the front, as the desktop does when a message box closes
    // (the offscreen platform leaves no window active then).
    void aktivuj()
    {
        okno->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
    }
    // Answers the name checks' messages; like a desktop, gives the window back its
    // activation the moment a message box closes, so that the check's own focus moves
    // are real focus moves.
    void odpovidej(ModalniOkna& modalni)
    {
        modalni.po_zavreni_zpravy = [this] { aktivuj(); };
    }
    void TearDown() override
    {
        okno.reset();
        zapni_napovedy(true);
        PlatformTest::TearDown();
    }

    std::vector<QRadioButton*> obtiznosti() const
    {
        return {okno->rdb_trenink, okno->rdb_zacatecnik, okno->rdb_pokrocily,
                okno->rdb_profesional, okno->rdb_expert};
    }
    void klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2)); }
};

} // namespace

TEST_F(NastaveniTest, StartsInTheDesignedState)
{
    EXPECT_TRUE(okno->rdb_clovek_pocitac->isChecked());
    EXPECT_TRUE(okno->rdb_pokrocily->isChecked());
    EXPECT_FALSE(okno->rdb_internet->isEnabled());
    EXPECT_TRUE(okno->rdb_server->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(okno->rdb_server), static_cast<QWidget*>(okno->rdb_klient),
                       static_cast<QWidget*>(okno->btn_server), static_cast<QWidget*>(okno->btn_klient),
                       static_cast<QWidget*>(okno->edt_adresa)})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    EXPECT_EQ(okno->edt_jmeno1->text(), QStringLiteral("Hrac 1"));
    EXPECT_EQ(okno->edt_jmeno2->text(), QStringLiteral("Hrac 2"));
    EXPECT_EQ(okno->clb_hrac1->selected(), clMaroon);
    EXPECT_EQ(okno->clb_hrac2->selected(), clBlue);
    EXPECT_TRUE(okno->chk_zvuk->isChecked());
    EXPECT_TRUE(okno->CheckBox1->isChecked());
    EXPECT_EQ(okno->scr_rychlost->minimum(), 0);
    EXPECT_EQ(okno->scr_rychlost->maximum(), 6);
    EXPECT_EQ(okno->scr_rychlost->value(), 3);
    // 550 outer, the log at x 544 just out of sight.
    EXPECT_EQ(okno->width(), 544);
    EXPECT_EQ(okno->mmb_internet->x(), 544);
    EXPECT_EQ(okno->mmb_internet->toPlainText(),
              QStringLiteral("Podrobnosti o internetove komunikaci..."));
    EXPECT_TRUE(okno->mmb_internet->isReadOnly());
    EXPECT_TRUE(okno->btn_ok->isDefault());
}

TEST_F(NastaveniTest, RadioButtonsExcludeEachOtherOnlyWithinTheirGroup)
{
    klik(okno->rdb_expert);
    EXPECT_TRUE(okno->rdb_expert->isChecked());
    EXPECT_FALSE(okno->rdb_pokrocily->isChecked());
    EXPECT_TRUE(okno->rdb_clovek_pocitac->isChecked());
    EXPECT_TRUE(okno->rdb_server->isChecked());

    klik(okno->rdb_clovek_clovek);
    EXPECT_FALSE(okno->rdb_clovek_pocitac->isChecked());
    EXPECT_TRUE(okno->rdb_expert->isChecked());
}

TEST_F(NastaveniTest, TwoPlayersDisableTheSkillAndTheComputerGetsItBack)
{
    klik(okno->rdb_profesional);
    klik(okno->rdb_clovek_clovek);
    for (QRadioButton* r : obtiznosti())
        EXPECT_FALSE(r->isEnabled()) << r->text().toStdString();
    EXPECT_EQ(okno->lbl_informace->text(),
              QStringLiteral("Vytvorena hra pro 2 hrace na tomto pocitaci."));
    EXPECT_EQ(okno->lbl_info_internet->text(), QStringLiteral("Neni aktivni."));
    EXPECT_EQ(okno->width(), 544);

    klik(okno->rdb_clovek_pocitac);
    for (QRadioButton* r : obtiznosti())
        EXPECT_TRUE(r->isEnabled()) << r->text().toStdString();
    EXPECT_TRUE(okno->rdb_profesional->isChecked());
    EXPECT_EQ(okno->lbl_informace->text(),
              QStringLiteral("Vytvorena hra pro 1 hrace proti pocitaci."));
    EXPECT_TRUE(okno->edt_jmeno1->isEnabled());
    EXPECT_TRUE(okno->edt_jmeno2->isEnabled());
    EXPECT_TRUE(okno->btn_ok->isEnabled());
}

// Nothing in the game enables the network game type; the handlers still hold if it is.
TEST_F(NastaveniTest, NetworkGameShowsTheLogAndTheRoleDecidesTheControls)
{
    okno->rdb_internet->setEnabled(true);
    klik(okno->rdb_internet);
    EXPECT_EQ(okno->width(), 780);
    EXPECT_FALSE(okno->btn_ok->isEnabled());
    for (QRadioButton* r : obtiznosti())
        EXPECT_FALSE(r->isEnabled());
    EXPECT_EQ(okno->lbl_informace->text(), QStringLiteral("Vytvareni hry pro 2 hrace pres internet..."));
    EXPECT_EQ(okno->lbl_info_internet->text(), QStringLiteral("Zvolte typ pripojeni pres internet."));

    struct Role {
        QRadioButton* prepinac;
        bool server, klient, adresa, jmeno1, jmeno2;
    };
    // Server first (selected from the start, so the game-type handler set it up).
    const std::vector<Role> role{
        {okno->rdb_server, true, false, false, true, false},
        {okno->rdb_klient, false, true, true, false, true},
        {okno->rdb_server, true, false, false, true, false},
    };
    for (std::size_t i = 0; i < role.size(); ++i) {
        SCOPED_TRACE(i);
        if (i > 0)
            klik(role[i].prepinac);
        EXPECT_TRUE(role[i].prepinac->isChecked());
        EXPECT_EQ(okno->btn_server->isEnabled(), role[i].server);
        EXPECT_EQ(okno->btn_klient->isEnabled(), role[i].klient);
        EXPECT_EQ(okno->edt_adresa->isEnabled(), role[i].adresa);
        EXPECT_EQ(okno->edt_jmeno1->isEnabled(), role[i].jmeno1);
        EXPECT_EQ(okno->edt_jmeno2->isEnabled(), role[i].jmeno2);
    }

    klik(okno->rdb_clovek_pocitac);
    EXPECT_EQ(okno->width(), 544);
    EXPECT_TRUE(okno->btn_ok->isEnabled());
    EXPECT_FALSE(okno->btn_server->isEnabled());
    EXPECT_FALSE(okno->rdb_server->isEnabled());
    EXPECT_TRUE(okno->edt_jmeno2->isEnabled());
}

TEST_F(NastaveniTest, NameChecksOnLeavingAField)
{
    struct Pripad {
        const char* nazev;
        QString jmeno1, jmeno2;
        std::vector<QString> zpravy;
        bool zustava;   // the focus is put back into edt_jmeno1
    };
    const QString prazdne = QStringLiteral("Jmeno nesmi byt prazdne!");
    const QString stejna = QStringLiteral("Jmena nesmi byt stejna!");
    const std::vector<Pripad> pripady{
        {"empty", "", "Hrac 2", {prazdne}, true},
        {"equal", "Hrac 2", "Hrac 2", {stejna}, true},
        {"both empty", "", "", {prazdne, stejna}, true},
        {"other letter case", "hrac 2", "Hrac 2", {}, false},
        {"blanks only", "   ", "Hrac 2", {}, false},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        aktivuj();
        okno->edt_jmeno2->setText(p.jmeno2);
        okno->edt_jmeno1->setFocus(Qt::MouseFocusReason);
        okno->edt_jmeno1->setText(p.jmeno1);
        {
            ModalniOkna modalni;
            odpovidej(modalni);
            QTest::keyClick(okno->edt_jmeno1, Qt::Key_Tab);
            EXPECT_EQ(modalni.zpravy, p.zpravy);
        }
        aktivuj();
        EXPECT_EQ(QApplication::focusWidget() == okno->edt_jmeno1, p.zustava);
        EXPECT_EQ(okno->edt_jmeno1->text(), p.jmeno1) << "the check never changes the name";
        okno->edt_jmeno1->setText(QStringLiteral("Hrac 1"));
        okno->edt_jmeno2->setText(QStringLiteral("Hrac 2"));
        okno->btn_ok->setFocus(Qt::MouseFocusReason);
    }
}

// Moving straight from one name field into the other runs both fields' checks; however
// the names stand, the messages come once and the focus settles.
TEST_F(NastaveniTest, MovingBetweenTheNameFieldsDoesNotPingPong)
{
    struct Pripad {
        const char* nazev;
        QString jmeno1, jmeno2;
        std::vector<QString> zpravy;
        bool konci_v_prvnim;
    };
    const std::vector<Pripad> pripady{
        {"equal names", "Hrac", "Hrac", {QStringLiteral("Jmena nesmi byt stejna!")}, true},
        {"entered field empty", "Hrac 1", "", {QStringLiteral("Jmeno nesmi byt prazdne!")}, false},
        {"both empty", "", "",
         {QStringLiteral("Jmeno nesmi byt prazdne!"), QStringLiteral("Jmena nesmi byt stejna!")},
         true},
        {"fine", "Hrac 1", "Hrac 2", {}, false},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        aktivuj();
        okno->edt_jmeno1->setFocus(Qt::MouseFocusReason);
        okno->edt_jmeno1->setText(p.jmeno1);
        okno->edt_jmeno2->setText(p.jmeno2);
        {
            ModalniOkna modalni;
            odpovidej(modalni);
            QTest::mouseClick(okno->edt_jmeno2, Qt::LeftButton);
            // Whatever focus moves the messages left behind get their turn.
            QTest::qWait(50);
            aktivuj();
            QTest::qWait(50);
            EXPECT_EQ(modalni.zpravy, p.zpravy);
        }
        EXPECT_EQ(QApplication::focusWidget(),
                  p.konci_v_prvnim ? okno->edt_jmeno1 : okno->edt_jmeno2);
        okno->edt_jmeno1->setText(QStringLiteral("Hrac 1"));
        okno->edt_jmeno2->setText(QStringLiteral("Hrac 2"));
        okno->btn_ok->setFocus(Qt::MouseFocusReason);
    }
}

TEST_F(NastaveniTest, ANameHoldsAtMostFourteenCharacters)
{
    okno->edt_jmeno1->setFocus(Qt::MouseFocusReason);
    okno->edt_jmeno1->selectAll();
    QTest::keyClicks(okno->edt_jmeno1, QStringLiteral("Velitel Tankus"));
    QTest::keyClicks(okno->edt_jmeno1, QStringLiteral("X"));
    EXPECT_EQ(okno->edt_jmeno1->text(), QStringLiteral("Velitel Tankus"));
}

TEST_F(NastaveniTest, ColourPickersOfferTheTwentyColoursInOrder)
{
    ColorPicker& c = *okno->clb_hrac1;
    ASSERT_EQ(c.count(), 20);
    for (int i = 0; i < c.count(); ++i) {
        SCOPED_TRACE(i);
        c.setCurrentIndex(i);
        EXPECT_EQ(c.selected(), barvy_vyberu[static_cast<std::size_t>(i)].value);
        EXPECT_EQ(c.itemText(i), QString::fromLatin1(barvy_vyberu[static_cast<std::size_t>(i)].name));
        EXPECT_FALSE(c.itemIcon(i).isNull());
    }
    EXPECT_EQ(c.itemIcon(12).pixmap(16, 12).toImage().pixelColor(8, 6), QColor(0, 0, 255))
        << "clBlue is 0x00FF0000: its swatch is blue";
    c.select(clSkyBlue);
    EXPECT_EQ(c.selected(), clSkyBlue);
    c.select(0x00123456);   // not on offer: the selection stays
    EXPECT_EQ(c.selected(), clSkyBlue);
}

TEST_F(NastaveniTest, HintSwitchActsOnEveryWindowAtOnce)
{
    Tform_uvod menu;
    Tform_hra hra;
    Tform_about about;
    menu.show();
    hra.show();
    about.show();
    const std::vector<QWidget*> prvky{menu.btn_start, hra.btn_pal, okno->edt_jmeno1, okno->CheckBox1};
    const auto ukazuje_napovedu = [](QWidget* w) {
        QToolTip::hideText();
        QHelpEvent udalost(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &udalost);
        return QToolTip::isVisible() && QToolTip::text() == w->toolTip();
    };

    klik(okno->CheckBox1);
    ASSERT_FALSE(okno->CheckBox1->isChecked());
    for (QWidget* w : prvky)
        EXPECT_FALSE(ukazuje_napovedu(w)) << w->objectName().toStdString() << w->toolTip().toStdString();

    klik(okno->CheckBox1);
    for (QWidget* w : prvky)
        EXPECT_TRUE(ukazuje_napovedu(w)) << w->toolTip().toStdString();
    QToolTip::hideText();
}

TEST_F(NastaveniTest, OkAndTheCloseBoxKeepEveryChange)
{
    for (const bool pres_ok : {true, false}) {
        SCOPED_TRACE(pres_ok ? "OK" : "close box");
        okno->show();
        okno->edt_jmeno2->setText(QStringLiteral("Soused"));
        okno->scr_rychlost->setValue(6);
        if (pres_ok)
            QTest::mouseClick(okno->btn_ok, Qt::LeftButton);
        else
            okno->close();
        EXPECT_FALSE(okno->isVisible());
        EXPECT_EQ(okno->edt_jmeno2->text(), QStringLiteral("Soused"));
        EXPECT_EQ(okno->scr_rychlost->value(), 6);
    }
}

// Tab enters a group of radio buttons at its checked button and leaves it with the next
// Tab; Shift+Tab does the same backwards, and the arrows still move within the group.
TEST_F(NastaveniTest, TabEntersARadioGroupAtItsCheckedButton)
{
    auto tab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    auto backtab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        return QApplication::focusWidget();
    };
    const std::vector<QRadioButton*> skill{okno->rdb_trenink, okno->rdb_zacatecnik, okno->rdb_pokrocily,
                                           okno->rdb_profesional, okno->rdb_expert};
    const auto in_skill = [&](QWidget* w) { return std::count(skill.begin(), skill.end(), w) > 0; };

    okno->rdb_clovek_pocitac->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(), okno->rdb_pokrocily);
    QWidget* after = tab();
    EXPECT_FALSE(in_skill(after)) << "Tab stayed in the group";
    EXPECT_EQ(backtab(), okno->rdb_pokrocily);
    EXPECT_EQ(backtab(), okno->rdb_clovek_pocitac) << "Shift+Tab did not land on the checked game type";

    // Another choice, by arrow key: Tab then finds that one.
    okno->rdb_pokrocily->setFocus(Qt::TabFocusReason);
    QTest::keyClick(okno->rdb_pokrocily, Qt::Key_Down);
    EXPECT_TRUE(okno->rdb_profesional->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), okno->rdb_profesional);
    okno->rdb_clovek_pocitac->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(), okno->rdb_profesional);
    EXPECT_EQ(tab(), after);
}
