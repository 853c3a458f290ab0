// Start-up, the main menu and the application's exception handling.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/modalni_okna.h"
#include "tests/support/recorders.h"

#include <QTest>
#include <stdexcept>

namespace {

class UvodTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        spust_tarvanu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_uvod));
    }
    void TearDown() override
    {
        zrus_okna();
        PlatformTest::TearDown();
    }

    int pocet_oken_about() const
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<Tform_about*>(w) != nullptr;
        return n;
    }
};

// Records the windows in the order they are created.
class ZaznamVytvareni : public QObject {
public:
    std::vector<QObject*> poradi;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Create && o->isWidgetType() && !static_cast<QWidget*>(o)->parent())
            poradi.push_back(o);
        return false;
    }
};

} // namespace

TEST(Spusteni, CreatesTheFiveWindowsInOrderAndShowsOnlyTheMenu)
{
    ZaznamVytvareni zaznam;
    qApp->installEventFilter(&zaznam);
    spust_tarvanu();
    qApp->removeEventFilter(&zaznam);

    const std::vector<QObject*> ocekavane{form_uvod, form_hra, form_nastaveni, form_obchod,
                                          form_about};
    std::vector<QObject*> okna;
    for (QObject* o : zaznam.poradi)
        if (std::find(ocekavane.begin(), ocekavane.end(), o) != ocekavane.end())
            okna.push_back(o);
    EXPECT_EQ(okna, ocekavane);
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tarvana"));
    EXPECT_TRUE(form_uvod->isVisible());
    EXPECT_FALSE(form_hra->isVisible());
    EXPECT_FALSE(form_nastaveni->isVisible());
    EXPECT_FALSE(form_about->isVisible());
    // Hints come up 100 ms after the pointer rests, once the menu exists.
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);

    zrus_okna();
    EXPECT_EQ(form_uvod, nullptr);
    EXPECT_EQ(form_about, nullptr);
}

TEST_F(UvodTest, EveryGameGetsAFreshBattlefieldAndTheMenuReturns)
{
    ModalniOkna modalni;
    QPointer<QWidget> prvni;
    int her = 0;
    QString napis_podruhe;
    bool menu_skryto = true;
    bool prvni_uvolnen = false;
    modalni.pri_otevreni = [&](QWidget* w) {
        auto* hra = qobject_cast<Tform_hra*>(w);
        ASSERT_NE(hra, nullptr);
        EXPECT_EQ(hra, form_hra);
        menu_skryto = menu_skryto && !form_uvod->isVisible();
        if (++her == 1) {
            prvni = hra;
            hra->lbl_napis_stav->setText(QStringLiteral("po prvni hre"));
        } else {
            prvni_uvolnen = prvni.isNull();
            napis_podruhe = hra->lbl_napis_stav->text();
        }
    };

    const QPointer<Tform_hra> z_pocatku = form_hra;
    QTest::mouseClick(form_uvod->btn_start, Qt::LeftButton);
    EXPECT_TRUE(form_uvod->isVisible());
    QTest::mouseClick(form_uvod->btn_start, Qt::LeftButton);

    ASSERT_EQ(modalni.okna.size(), 2u);
    EXPECT_TRUE(z_pocatku.isNull()) << "the battlefield made at start-up is released";
    EXPECT_TRUE(prvni_uvolnen) << "the first game's battlefield is released by the second";
    EXPECT_TRUE(menu_skryto);
    EXPECT_TRUE(form_uvod->isVisible());
    Tform_hra navrh;
    EXPECT_EQ(napis_podruhe, navrh.lbl_napis_stav->text());
}

TEST_F(UvodTest, EnterOnAFreshMenuStartsAGame)
{
    form_uvod->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_uvod));
    ASSERT_EQ(QApplication::focusWidget(), form_uvod->btn_start);

    ModalniOkna modalni;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    ASSERT_EQ(modalni.okna.size(), 1u);
    EXPECT_EQ(modalni.okna[0].data(), form_hra);
}

TEST_F(UvodTest, AboutBoxIsModelessAndComesToTheFrontAgain)
{
    QTest::mouseClick(form_uvod->btn_about, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_about));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form_uvod->isVisible());
    EXPECT_TRUE(form_uvod->isEnabled());

    form_uvod->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_uvod));
    QTest::mouseClick(form_uvod->btn_about, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_about));
    EXPECT_EQ(pocet_oken_about(), 1);
    EXPECT_TRUE(form_uvod->isVisible());
}

TEST_F(UvodTest, SettingsAreModalAndKeepTheirState)
{
    ModalniOkna modalni;
    modalni.pri_otevreni = [](QWidget* w) {
        EXPECT_EQ(w, form_nastaveni);
        form_nastaveni->edt_jmeno1->setText(QStringLiteral("Alena"));
    };
    QTest::mouseClick(form_uvod->btn_nastaveni, Qt::LeftButton);
    QTest::mouseClick(form_uvod->btn_nastaveni, Qt::LeftButton);
    ASSERT_EQ(modalni.okna.size(), 2u);
    EXPECT_EQ(modalni.okna[0], modalni.okna[1]);
    EXPECT_EQ(form_nastaveni->edt_jmeno1->text(), QStringLiteral("Alena"));
}

// An accelerator clicks its button 100 ms late. A click that arrives after Enter has
// put a game or the settings in front of the menu does nothing.
TEST_F(UvodTest, LateClicksOfTheMenuButtonsWaitForTheMenuToBeInFront)
{
    const std::vector<std::pair<const char*, QPushButton*>> tlacitka{
        {"Start hry", form_uvod->btn_start},
        {"Nastaveni", form_uvod->btn_nastaveni},
        {"O programu", form_uvod->btn_about},
        {"Konec", form_uvod->btn_konec},
    };
    const std::vector<std::pair<const char*, QPushButton*>> vpredu{
        {"a game", form_uvod->btn_start},
        {"the settings", form_uvod->btn_nastaveni},
    };
    for (const auto& [co, otevri] : vpredu)
        for (const auto& [nazev, tlacitko] : tlacitka) {
            SCOPED_TRACE(std::string(co) + ", then " + nazev);
            ModalniOkna modalni;
            QPointer<QWidget> v_popredi;
            modalni.pri_otevreni = [&, b = tlacitko](QWidget* w) {
                if (v_popredi)
                    return;
                v_popredi = w;
                b->click();
                EXPECT_EQ(QApplication::activeModalWidget(), w);
            };
            QTimer pojistka;
            pojistka.setSingleShot(true);
            bool skonceno = false;
            QObject::connect(&pojistka, &QTimer::timeout, [&] { skonceno = true; });
            otevri->click();
            EXPECT_EQ(modalni.okna.size(), 1u);
            EXPECT_TRUE(v_popredi) << "the window in front was released";
            EXPECT_FALSE(form_about->isVisible());
            EXPECT_TRUE(form_uvod->isVisible());
            // A quit asked for would end the next event loop at once.
            pojistka.start(50);
            QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
            EXPECT_EQ(QApplication::exec(), 7);
            EXPECT_TRUE(skonceno);
        }
}

// A click handled after the settings window has been hidden, but before its exec has
// returned, opens nothing over the closing window.
TEST_F(UvodTest, AClickWhileTheSettingsWindowClosesOpensNothing)
{
    ModalniOkna modalni;
    modalni.pri_otevreni = [](QWidget* w) {
        w->hide();
        form_uvod->btn_start->click();
        form_uvod->btn_nastaveni->click();
    };
    QTest::mouseClick(form_uvod->btn_nastaveni, Qt::LeftButton);
    ASSERT_EQ(modalni.okna.size(), 1u);
    EXPECT_EQ(modalni.okna[0].data(), form_nastaveni);
    EXPECT_TRUE(form_uvod->isVisible());
}

// Opening the settings with an empty name brings up its message box while the window is
// still being shown. Input answered there may close the settings at once: the menu must
// not go on waiting for them.
TEST_F(UvodTest, SettingsClosedWhileTheyAreBeingShownAreNotWaitedFor)
{
    {
        // Left with the focus in the first name...
        ModalniOkna modalni;
        // Only once the window is active: an activation still on its way would come
        // after the close and leave the focus elsewhere in the hidden window. A desktop
        // with no keyboard activates no window at all, and sends no late activation.
        modalni.pri_otevreni = [](QWidget* okno) {
            static_cast<void>(QTest::qWaitFor([okno] { return okno->isActiveWindow(); }, 1000));
            form_nastaveni->edt_jmeno1->setFocus();
        };
        QTest::mouseClick(form_uvod->btn_nastaveni, Qt::LeftButton);
        ASSERT_EQ(modalni.okna.size(), 1u);
    }
    // ...which is then empty when the window comes back and gives it the focus again.
    form_nastaveni->edt_jmeno1->clear();
    ModalniOkna modalni;
    bool zobrazuje_se = false;
    modalni.po_zavreni_zpravy = [&] {
        zobrazuje_se = modalni.okna.empty();
        form_nastaveni->close();
    };
    QTest::mouseClick(form_uvod->btn_nastaveni, Qt::LeftButton);
    ASSERT_FALSE(modalni.zpravy.empty());
    EXPECT_EQ(modalni.zpravy[0], QStringLiteral("Jmeno nesmi byt prazdne!"));
    EXPECT_TRUE(zobrazuje_se) << "the message came up while the window was being shown";
    EXPECT_FALSE(form_nastaveni->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form_nastaveni->edt_jmeno1->setText(QStringLiteral("Hrac 1"));
}

// "Konec" and the close box end the program alike, even with the about box open.
TEST_F(UvodTest, KonecAndTheCloseBoxEndTheProgram)
{
    const std::vector<std::pair<const char*, std::function<void()>>> zpusoby{
        {"Konec", [] { QTest::mouseClick(form_uvod->btn_konec, Qt::LeftButton); }},
        {"close box", [] { form_uvod->close(); }},
    };
    for (const auto& [nazev, zavri] : zpusoby) {
        SCOPED_TRACE(nazev);
        form_uvod->show();
        form_about->show();
        QTimer::singleShot(0, zavri);
        QTimer pojistka;
        pojistka.setSingleShot(true);
        QObject::connect(&pojistka, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        pojistka.start(5000);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(form_uvod->isVisible());
    }
}

TEST(Vyjimky, EscapingExceptionsAreShownAndTheProgramCarriesOn)
{
    struct Pripad {
        const char* nazev;
        std::function<void()> akce;
        bool probehlo;
        std::vector<QString> zpravy;
    };
    const std::vector<Pripad> pripady{
        {"no exception", [] {}, true, {}},
        {"std exception", [] { throw std::runtime_error("Soubor nelze otevrit."); }, false,
         {QStringLiteral("Soubor nelze otevrit.")}},
        {"anything else", [] { throw 42; }, false, {QString()}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        ModalniOkna modalni;
        EXPECT_EQ(zachyt_vyjimku(p.akce), p.probehlo);
        EXPECT_EQ(modalni.zpravy, p.zpravy);
    }
}
