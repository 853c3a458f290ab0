// What a screen reader finds in the five windows: a name for every control, the hints as
// descriptions, values as the labels show them, and what it is told of the battle as it
// happens.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "combat/flight.h"
#include "game/screen_reader.h"
#include "game/turns.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/battlefield_fixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

struct Prvek {
    QAccessibleInterface* rozhrani;
    QWidget* widget;
};

// Everything a screen reader reaches below the window, depth first. Qt's own parts of
// a control (the scroll bars of a text area, say) are the control's business, not the
// window's.
void projdi(QAccessibleInterface* rodic, std::vector<Prvek>& prvky)
{
    for (int i = 0; i < rodic->childCount(); ++i) {
        QAccessibleInterface* dite = rodic->child(i);
        if (!dite || !dite->object() || !dite->object()->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(dite->object());
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        prvky.push_back({dite, w});
        projdi(dite, prvky);
    }
}

std::vector<Prvek> prvky_okna(QWidget* okno)
{
    std::vector<Prvek> prvky;
    QAccessibleInterface* koren = QAccessible::queryAccessibleInterface(okno);
    EXPECT_NE(koren, nullptr);
    if (koren)
        projdi(koren, prvky);
    return prvky;
}

QString jmeno(const Prvek& p) { return p.rozhrani->text(QAccessible::Name); }
QString popis(const Prvek& p) { return p.rozhrani->text(QAccessible::Description); }

// Controls without a caption of their own: their names are all a screen reader has to
// tell them apart. (Qt names a combo box by its current item; its description tells whose
// box it is.)
bool bez_titulku(QAccessible::Role role)
{
    return role == QAccessible::ScrollBar || role == QAccessible::ProgressBar
           || role == QAccessible::EditableText;
}

// What a user works with or reads.
bool ovladaci(const Prvek& p)
{
    switch (p.rozhrani->role()) {
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::Grouping:
        return true;
    case QAccessible::StaticText:
        if (const auto* l = qobject_cast<const QLabel*>(p.widget))
            return !l->text().isEmpty();
        return false;
    default:
        return bez_titulku(p.rozhrani->role()) || p.rozhrani->role() == QAccessible::ComboBox;
    }
}

// Enough to find the control in a failure message.
std::string kde(const QWidget* w)
{
    QString s = QString::fromLatin1(w->metaObject()->className());
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        s += QStringLiteral(" \"%1\"").arg(b->text());
    else if (const auto* l = qobject_cast<const QLabel*>(w))
        s += QStringLiteral(" \"%1\"").arg(l->text());
    const QRect r = w->geometry();
    s += QStringLiteral(" at %1,%2 in %3")
             .arg(r.x())
             .arg(r.y())
             .arg(QString::fromLatin1(w->parentWidget()->metaObject()->className()));
    return s.toStdString();
}

class OknaTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        spust_tarvanu();
    }
    void TearDown() override
    {
        zrus_okna();
        PlatformTest::TearDown();
    }
};

} // namespace

TEST_F(OknaTest, EveryControlHasANameAndItsHintAsDescription)
{
    const std::pair<const char*, QWidget*> okna[] = {
        {"main menu", form_uvod}, {"battlefield", form_hra}, {"settings", form_nastaveni},
        {"shop", form_obchod},    {"about box", form_about},
    };
    for (const auto& [nazev, okno] : okna) {
        SCOPED_TRACE(nazev);
        const std::vector<Prvek> prvky = prvky_okna(okno);
        int ovladacich = 0;
        std::map<QString, std::string> bez_titulku_jmena;
        for (const Prvek& p : prvky) {
            if (!ovladaci(p))
                continue;
            ++ovladacich;
            const QString n = jmeno(p);
            EXPECT_FALSE(n.trimmed().isEmpty()) << kde(p.widget);
            // The accelerator marker is for the eye; read out it is noise. (A buy button
            // goes on to tell what it buys.)
            if (const auto* b = qobject_cast<const QAbstractButton*>(p.widget);
                b && !b->text().isEmpty()) {
                EXPECT_TRUE(n.startsWith(QString(b->text()).remove(QLatin1Char('&'))))
                    << kde(p.widget) << " is named " << n.toStdString();
            }
            if (p.rozhrani->role() == QAccessible::ComboBox) {
                EXPECT_TRUE(popis(p).contains(QLatin1String("hrace"))) << kde(p.widget);
            } else if (!p.widget->toolTip().isEmpty()) {
                EXPECT_EQ(popis(p), p.widget->toolTip()) << kde(p.widget);
            }
            if (bez_titulku(p.rozhrani->role())) {
                const auto [drivejsi, novy] = bez_titulku_jmena.emplace(n, kde(p.widget));
                EXPECT_TRUE(novy) << kde(p.widget) << " is named \"" << n.toStdString()
                                  << "\" as is " << drivejsi->second;
            }
        }
        // A walk that found nothing would pass any window.
        EXPECT_GT(ovladacich, 5);
    }
}

TEST_F(OknaTest, BuyButtonsNameTheirGoodsAndPrice)
{
    std::map<QString, int> jmena;
    for (const Prvek& p : prvky_okna(form_obchod))
        if (p.rozhrani->role() == QAccessible::PushButton)
            ++jmena[jmeno(p)];
    const std::map<QString, int> ocekavane{
        {QStringLiteral("Koupit Stredni strela za 290 kreditu"), 1},
        {QStringLiteral("Koupit Velka strela za 590 kreditu"), 1},
        {QStringLiteral("Koupit Mini Nuke za 890 kreditu"), 1},
        {QStringLiteral("Koupit Mega nuke za 1290 kreditu"), 1},
        {QStringLiteral("Koupit Nafta za 50 kreditu"), 1},
        {QStringLiteral("Koupit Energie za 150 kreditu"), 1},
    };
    EXPECT_EQ(jmena, ocekavane);
}

namespace {

class BojisteTest : public BattlefieldTest {
protected:
    void SetUp() override
    {
        BattlefieldTest::SetUp();
        settings->rdb_clovek_clovek->setChecked(true);
        settings->edt_jmeno1->setText(QStringLiteral("Alena"));
        settings->edt_jmeno2->setText(QStringLiteral("Boris"));
        settings->chk_zvuk->setChecked(false);
        write_sky();
    }

    QString tah() const { return window->btn_pal->accessibleDescription(); }
    QStringList ohlasy() const { return posledni_ohlasy(window.get()); }

    static double hodnota(QWidget* w)
    {
        return QAccessible::queryAccessibleInterface(w)->valueInterface()->currentValue().toDouble();
    }
};

} // namespace

TEST_F(BojisteTest, BarsReportWhatTheirLabelsShow)
{
    start_game(*window);
    // Player 1's angle bar runs against the angle: position 60 shows 30.
    const struct {
        QScrollBar* bar;
        QLabel* popisek;
        int poloha;
        int od, po; // the range the label can show
    } pripady[] = {
        {window->scr_uhel1, window->lbl_uhel1, 60, 5, 90},
        {window->scr_uhel1, window->lbl_uhel1, 0, 5, 90},
        {window->scr_uhel2, window->lbl_uhel2, 20, 5, 90},
        {window->scr_sila1, window->lbl_sila1, 150, 10, 200},
        {window->scr_sila2, window->lbl_sila2, 10, 10, 200},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(kde(p.bar));
        p.bar->setValue(p.poloha);
        QAccessibleValueInterface* v = QAccessible::queryAccessibleInterface(p.bar)->valueInterface();
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->currentValue().toInt(), p.popisek->text().toInt());
        EXPECT_EQ(v->minimumValue().toInt(), p.od);
        EXPECT_EQ(v->maximumValue().toInt(), p.po);
    }
    // A screen reader that sets the angle sets what the label shows.
    QAccessible::queryAccessibleInterface(window->scr_uhel1)->valueInterface()->setCurrentValue(30);
    EXPECT_EQ(window->lbl_uhel1->text(), QStringLiteral("30"));
    EXPECT_EQ(hrac[0].uhel, 30);
}

TEST_F(BojisteTest, GaugesAreNamedAndReadAsAmountOfTheFull)
{
    const std::pair<Gauge*, const char*> ukazatele[] = {
        {window->cgg_energie1, "Energie hrace 1"}, {window->cgg_nadrz1, "Nafta hrace 1"},
        {window->cgg_energie2, "Energie hrace 2"}, {window->cgg_nadrz2, "Nafta hrace 2"},
    };
    for (const auto& [g, nazev] : ukazatele) {
        SCOPED_TRACE(nazev);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(g);
        EXPECT_EQ(i->text(QAccessible::Name), QLatin1String(nazev));
        EXPECT_EQ(i->role(), QAccessible::ProgressBar);
        QAccessibleValueInterface* v = i->valueInterface();
        ASSERT_NE(v, nullptr);
        // Beyond either end the gauge shows the end, and says so.
        for (int hodnota : {37, g->maximum() + 50, -20}) {
            g->setProgress(hodnota);
            EXPECT_EQ(v->currentValue().toInt(), g->progress()) << hodnota;
            EXPECT_EQ(v->minimumValue().toInt(), g->minimum());
            EXPECT_EQ(v->maximumValue().toInt(), g->maximum());
            EXPECT_EQ(i->text(QAccessible::Value),
                      QStringLiteral("%1 z %2").arg(g->progress()).arg(g->maximum()));
        }
    }
}

TEST_F(BojisteTest, FireButtonTellsTheTurnItOpens)
{
    start_game(*window);
    ASSERT_EQ(na_tahu, 0);
    EXPECT_EQ(window->focusWidget(), window->btn_pal);
    const QString prvni = tah();
    for (const char* cast : {"Na tahu: Alena.", "Alena: energie 200 z 200.",
                             "Boris: energie 200 z 200.", "Vzdalenost tanku: "})
        EXPECT_TRUE(prvni.contains(QLatin1String(cast))) << cast << " in " << prvni.toStdString();
    EXPECT_FALSE(prvni.contains(QLatin1String("Posledni strela")));

    // Each fires once: Alena's next turn tells where her shell came down.
    window->btn_pal->click();
    ASSERT_EQ(na_tahu, 1);
    EXPECT_TRUE(tah().startsWith(QLatin1String("Na tahu: Boris."))) << tah().toStdString();
    window->btn_pal->click();
    ASSERT_EQ(na_tahu, 0);
    EXPECT_TRUE(tah().contains(QLatin1String("Posledni strela: "))) << tah().toStdString();
    EXPECT_EQ(window->focusWidget(), window->btn_pal);
}

TEST_F(BojisteTest, TurnTellsTheWindAndItsDirection)
{
    start_game(*window);
    const struct {
        int vitr;
        const char* slovy;
    } pripady[] = {
        {0, " Bezvetri."}, {3, " Vitr 3 doprava."}, {-5, " Vitr 5 doleva."}, {1, " Vitr 1 doprava."},
    };
    for (const auto& p : pripady) {
        vitr = p.vitr;
        popis_bojiste(*window);
        EXPECT_TRUE(tah().contains(QLatin1String(p.slovy))) << p.vitr << ": " << tah().toStdString();
    }
}

TEST_F(BojisteTest, ShotIsAnnouncedOnce)
{
    start_game(*window);
    window->btn_pal->click();
    // The fire button and the flight both start the shot.
    EXPECT_EQ(ohlasy().count(QStringLiteral("Strili Alena: Zakladni strela, uhel 45, sila 70.")), 1)
        << ohlasy().join(QLatin1Char('|')).toStdString();
}

namespace {

// Flat ground, player 1 at column 100 and player 2 at 700 (its middle at 685).
class DopadTest : public BattlefieldTest {
protected:
    DopadTest() : BattlefieldTest(Field::combat) {}
};

} // namespace

TEST_F(DopadTest, WhereTheShellCameDownIsAnnouncedWithTheReward)
{
    const struct {
        ImpactKind kind;
        std::function<bool(Bod)> kde;
        std::function<QString(Bod)> ohlas;
    } pripady[] = {
        {ImpactKind::zem, [](Bod b) { return b.x < 600; },
         [](Bod b) { return QStringLiteral("Dopad %1 sloupcu vlevo od tanku soupere.").arg(685 - b.x); }},
        {ImpactKind::zem, [](Bod b) { return b.x > 700 && b.x < 780; },
         [](Bod b) { return QStringLiteral("Dopad %1 sloupcu vpravo od tanku soupere.").arg(b.x - 685); }},
        {ImpactKind::tank2, {},
         [](Bod) { return QStringLiteral("Zasah. Hrac 1 ziskava za primy zasah "); }},
    };
    for (const auto& p : pripady) {
        lay_combat_field();
        const auto z = zamer(0, p.kind, p.kde);
        ASSERT_TRUE(z);
        mir(0, *z);
        const Bod b = simuluj_let(hlaven(hrac[0].x, hrac[0].y, z->first), z->first, z->second,
                                  vitr, hrac, bonus_x, vysky, true)
                          .bod;
        let_strely(*window);
        const QString posledni = posledni_ohlasy(window.get()).last();
        EXPECT_TRUE(posledni.startsWith(p.ohlas(b))) << posledni.toStdString();
    }
}

TEST_F(BojisteTest, ShotKeepsTheFocusOffTheDisabledControls)
{
    settings->rdb_clovek_pocitac->setChecked(true);
    start_game(*window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(QApplication::focusWidget(), window->btn_pal);
    std::vector<QWidget*> fokus;
    const auto spojeni = QObject::connect(qApp, &QApplication::focusChanged,
                                          [&](QWidget*, QWidget* nove) { fokus.push_back(nove); });
    window->btn_pal->click();
    QObject::disconnect(spojeni);
    // The picture holds it through the shot and the computer's turn, and the turn gives it
    // back to the fire button.
    const std::vector<QWidget*> ocekavane{window->img_krajina, window->btn_pal};
    EXPECT_EQ(fokus, ocekavane);
}

TEST_F(BojisteTest, ComputersTurnIsAnnounced)
{
    settings->rdb_clovek_pocitac->setChecked(true);
    start_game(*window);
    window->btn_pal->click();
    const QString o = ohlasy().join(QLatin1Char('|'));
    const qsizetype vystrel = o.indexOf(QLatin1String("Strili Alena:"));
    const qsizetype tah_pocitace = o.indexOf(QLatin1String("Na tahu: Boris."));
    const qsizetype odpoved = o.indexOf(QLatin1String("Strili Boris:"));
    EXPECT_TRUE(vystrel >= 0 && vystrel < tah_pocitace && tah_pocitace < odpoved) << o.toStdString();
    // Back to the human, the fire button tells the turn as it takes the focus.
    EXPECT_TRUE(tah().startsWith(QLatin1String("Na tahu: Alena."))) << tah().toStdString();
}

TEST_F(BojisteTest, WeaponBoxTellsWhoseItIsAndAnnouncesAChange)
{
    start_game(*window);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(window->cmb_zbran1);
    EXPECT_EQ(i->text(QAccessible::Description), QStringLiteral("Zbran hrace 1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->cmb_zbran2)->text(QAccessible::Description),
              QStringLiteral("Zbran hrace 2"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->cmb_zbran1->setFocus();
    QTest::keyClick(window->cmb_zbran1, Qt::Key_Down);
    EXPECT_EQ(ohlasy().last(), QStringLiteral("Stredni strela"));
}

TEST_F(BojisteTest, PurchaseIsAnnouncedWithTheNewCountAndCredits)
{
    start_game(*window);
    QStringList slyseno;
    QString popis_pred;
    nakupuj(*window, [&](Tform_obchod& o) {
        popis_pred = o.btn_stredni->accessibleDescription();
        o.btn_stredni->click();
        o.btn_benzin->click(); // a full tank: no purchase
        o.btn_energie->click(); // full energy: no purchase
        slyseno = posledni_ohlasy(&o);
    });
    // The button read out what the player had, and the purchase tells what there is now.
    EXPECT_EQ(popis_pred, QStringLiteral("Stredni strela: mate 5. Kredit 2500."));
    EXPECT_EQ(slyseno, QStringList{QStringLiteral("Stredni strela: mate 6. Kredit 2210.")});
}

TEST_F(BojisteTest, RoundEndIsAnnouncedWithTheScore)
{
    start_game(*window);
    hrac[1].energie = 1;
    const auto z = zamer(0, ImpactKind::tank2);
    ASSERT_TRUE(z);
    mir(0, *z);
    window->btn_pal->click();
    ASSERT_EQ(hrac[0].stav, 1);
    EXPECT_TRUE(ohlasy().contains(
        QStringLiteral("Tank hrace Boris je znicen, kolo vyhrava Alena. Stav Alena 1, Boris 0. Nove kolo.")))
        << ohlasy().join(QLatin1Char('|')).toStdString();
}
