// What a screen reader finds in the five windows: a name for every control, the hints as
// descriptions, the gauges' values, and the battlefield picture's account of the battle.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "game/turns.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/battlefield_fixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QTest>
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
// tell them apart. (A combo box is named by its current item on Linux, see popisek.)
bool bez_titulku(QAccessible::Role role)
{
    return role == QAccessible::ScrollBar || role == QAccessible::ProgressBar
           || role == QAccessible::EditableText;
}

// What labels the control: a label with it as buddy, or the group box around it.
QString popisek(QAccessibleInterface* i)
{
    QString text;
    for (const auto& [popis, vztah] : i->relations(QAccessible::Label))
        text += popis->text(QAccessible::Name);
    return text;
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
            // The accelerator marker is for the eye; read out it is noise.
            if (const auto* b = qobject_cast<const QAbstractButton*>(p.widget);
                b && !b->text().isEmpty()) {
                EXPECT_EQ(n, QString(b->text()).remove(QLatin1Char('&'))) << kde(p.widget);
            }
            if (!p.widget->toolTip().isEmpty()) {
                EXPECT_EQ(popis(p), p.widget->toolTip()) << kde(p.widget);
            }
            if (p.rozhrani->role() == QAccessible::ComboBox) {
                EXPECT_FALSE(popisek(p.rozhrani).isEmpty()) << kde(p.widget);
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

TEST_F(OknaTest, BuyButtonsTellWhatTheyBuy)
{
    std::map<QString, int> popisy;
    for (const Prvek& p : prvky_okna(form_obchod))
        if (p.rozhrani->role() == QAccessible::PushButton)
            ++popisy[popis(p)];
    const std::map<QString, int> ocekavane{
        {QStringLiteral("Stredni strela"), 1}, {QStringLiteral("Velka strela"), 1},
        {QStringLiteral("Mini Nuke"), 1},      {QStringLiteral("Mega nuke"), 1},
        {QStringLiteral("Nafta"), 1},          {QStringLiteral("Energie"), 1},
    };
    EXPECT_EQ(popisy, ocekavane);
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
        write_sky();
        start_game(*window);
    }

    QString popis_obrazu() const
    {
        return QAccessible::queryAccessibleInterface(window->img_krajina)
            ->text(QAccessible::Description);
    }

    // The picture's description against the state of the game.
    void popis_odpovida_hre() const
    {
        const QString d = popis_obrazu();
        const QString hraci[] = {QStringLiteral("Alena"), QStringLiteral("Boris")};
        EXPECT_TRUE(d.contains(QStringLiteral("Na tahu: ") + hraci[na_tahu])) << d.toStdString();
        for (int p : {0, 1})
            EXPECT_TRUE(d.contains(QStringLiteral("%1: energie %2.")
                                       .arg(hraci[p], QString::number(hrac[p].energie))))
                << d.toStdString();
    }
};

} // namespace

TEST_F(BojisteTest, GaugesReportTheirValueAndRange)
{
    const QList<Gauge*> ukazatele = window->findChildren<Gauge*>();
    ASSERT_EQ(ukazatele.size(), 4);
    for (Gauge* g : ukazatele) {
        SCOPED_TRACE(kde(g));
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(g);
        ASSERT_NE(i, nullptr);
        EXPECT_FALSE(i->text(QAccessible::Name).isEmpty());
        QAccessibleValueInterface* v = i->valueInterface();
        ASSERT_NE(v, nullptr);
        // Beyond either end the gauge shows the end, and says so.
        for (int hodnota : {g->maximum(), 37, g->maximum() + 50, -20, 0}) {
            g->setProgress(hodnota);
            EXPECT_EQ(v->currentValue().toInt(), g->progress()) << hodnota;
            EXPECT_EQ(v->minimumValue().toInt(), g->minimum());
            EXPECT_EQ(v->maximumValue().toInt(), g->maximum());
        }
    }
}

TEST_F(BojisteTest, PictureDescribesTheBattleAndFollowsTheTurns)
{
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(window->img_krajina)
                     ->text(QAccessible::Name)
                     .isEmpty());
    ASSERT_EQ(na_tahu, 0);
    popis_odpovida_hre();
    const QString pred = popis_obrazu();

    window->btn_pal->click();
    ASSERT_EQ(na_tahu, 1);
    popis_odpovida_hre();
    EXPECT_NE(popis_obrazu(), pred);
}

TEST_F(BojisteTest, PictureTellsTheWindAndItsDirection)
{
    const struct {
        int vitr;
        const char* slovy;
    } pripady[] = {
        {0, "Bezvetri."}, {3, "Vitr 3 doprava."}, {-5, "Vitr 5 doleva."}, {1, "Vitr 1 doprava."},
    };
    for (const auto& p : pripady) {
        vitr = p.vitr;
        popis_bojiste(*window);
        EXPECT_TRUE(popis_obrazu().endsWith(QLatin1String(p.slovy)))
            << p.vitr << ": " << popis_obrazu().toStdString();
    }
}
