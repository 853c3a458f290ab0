#include "shop/tarvana_obchod.h"

#include "game/form_kit.h"
#include "game/platform.h"
#include "game/screen_reader.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "game/game_settings.h"

#include <QShowEvent>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

Tform_obchod* form_obchod = nullptr;

namespace {

// Every buy button starts disabled; obnov_obchod decides when the shop is shown.
QPushButton* koupit(QWidget* parent, int x, int y)
{
    auto* b = tlacitko(parent, x, y, 57, 25, QStringLiteral("Koupit"));
    b->setEnabled(false);
    return b;
}

// Six buttons say "Koupit": to a screen reader each names what it buys and for how much.
void pojmenuj(QPushButton* b, const QLabel* zbozi, const QString& cena)
{
    b->setAccessibleName(QStringLiteral("Koupit %1 za %2 kreditu").arg(zbozi->text(), cena));
}

// What the player has of the button's goods, and the credits: read out with the button, and
// announced after a purchase.
void popis_stav(Tform_obchod& o)
{
    const QString kredit = QStringLiteral(" Kredit %1.").arg(o.lbl_stav_kredit->text());
    const std::pair<QPushButton*, QLabel*> strely[] = {
        {o.btn_stredni, o.lbl_naboje_stredni}, {o.btn_velka, o.lbl_naboje_velka},
        {o.btn_mini, o.lbl_naboje_mini}, {o.btn_mega, o.lbl_naboje_mega}};
    const QLabel* nazvy[] = {o.lbl_stredni, o.lbl_velka, o.lbl_mini, o.lbl_mega};
    for (std::size_t i = 0; i < std::size(strely); ++i)
        strely[i].first->setAccessibleDescription(
            QStringLiteral("%1: mate %2.").arg(nazvy[i]->text(), strely[i].second->text()) + kredit);
    o.btn_benzin->setAccessibleDescription(
        QStringLiteral("Nafta %1 z %2.").arg(o.lbl_stav_nafta->text()).arg(plna_nadrz) + kredit);
    o.btn_energie->setAccessibleDescription(
        QStringLiteral("Energie %1 z %2.").arg(o.lbl_stav_energie->text()).arg(plna_energie)
        + kredit);
}

QLabel* hodnota(QGroupBox* g)
{
    return radek(g, 4, g->height() / 2 - 2, g->width() - 8, QStringLiteral("0"), Qt::AlignCenter);
}

} // namespace

int cele_cislo(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        return v;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return 0;
    if (d >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (d <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(d);
}

Tform_obchod::Tform_obchod(QWidget* parent) : QDialog(parent)
{
    nastav_okno(this, QStringLiteral("Tarvana - Obchod"), Qt::Dialog | Qt::CustomizeWindowHint);
    setFixedSize(489, 175);

    grp_zbrane = skupina(this, 0, 0, 257, 175, QStringLiteral("Zbrane"));
    const Qt::Alignment vpravo = Qt::AlignRight | Qt::AlignVCenter;
    lbl_typstrely = radek(grp_zbrane, 75, 16, QStringLiteral("Typ strely"), Pismo::tucne);
    lbl_cena = radek(grp_zbrane, 155, 16, 30, QStringLiteral("Cena"), vpravo, Pismo::tucne);
    lbl_naboje = radek(grp_zbrane, 200, 16, 41, QStringLiteral("Naboje"), vpravo, Pismo::tucne);
    bvl_zbrane = bevel(grp_zbrane, 2, 37, 253, 2, QFrame::Sunken, QFrame::HLine);

    struct Radek {
        QPushButton*& tlacitko;
        QLabel*& nazev;
        QLabel*& cena;
        QLabel*& naboje;
        const char* text;
        int druh;
    };
    const Radek radky[] = {
        {btn_stredni, lbl_stredni, lbl_stredni_cena, lbl_naboje_stredni, "Stredni strela", stredni_strela},
        {btn_velka, lbl_velka, lbl_velka_strela, lbl_naboje_velka, "Velka strela", velka_strela},
        {btn_mini, lbl_mini, lbl_mini_cena, lbl_naboje_mini, "Mini Nuke", mini_nuke},
        {btn_mega, lbl_mega, lbl_mega_cena, lbl_naboje_mega, "Mega nuke", mega_nuke},
    };
    int y = 46;
    for (const Radek& r : radky) {
        r.tlacitko = koupit(grp_zbrane, 8, y);
        r.nazev = radek(grp_zbrane, 75, y + 6, QString::fromLatin1(r.text), Pismo::podtrzene);
        r.cena = radek(grp_zbrane, 155, y + 6, 33, QString::number(cena_strely[r.druh]),
                       Qt::AlignCenter);
        r.naboje = radek(grp_zbrane, 208, y + 6, 25, QStringLiteral("0"), Qt::AlignCenter);
        pojmenuj(r.tlacitko, r.nazev, r.cena->text());
        y += 32;
    }

    grp_vybaveni = skupina(this, 264, 0, 225, 105, QStringLiteral("Vybaveni"));
    btn_benzin = koupit(grp_vybaveni, 8, 24);
    lbl_benzin = radek(grp_vybaveni, 83, 28, QStringLiteral("Nafta"));
    lbl_benzin_cena = radek(grp_vybaveni, 147, 28, 70, QStringLiteral("50 kreditu"),
                            Qt::AlignCenter);
    btn_energie = koupit(grp_vybaveni, 8, 64);
    lbl_energie = radek(grp_vybaveni, 83, 68, QStringLiteral("Energie"));
    pojmenuj(btn_benzin, lbl_benzin, QString::number(cena_nafty));
    pojmenuj(btn_energie, lbl_energie, QString::number(cena_energie));
    lbl_energie_cena = radek(grp_vybaveni, 147, 68, 70, QStringLiteral("150 kreditu"),
                             Qt::AlignCenter);

    grp_energie = skupina(this, 264, 112, 57, 57, QStringLiteral("Energie"));
    lbl_stav_energie = hodnota(grp_energie);
    grp_nafta = skupina(this, 328, 111, 57, 58, QStringLiteral("Nafta"));
    lbl_stav_nafta = hodnota(grp_nafta);
    grp_stav_kreditu = skupina(this, 392, 112, 89, 57, QStringLiteral("Stav kreditu"));
    lbl_stav_kredit = hodnota(grp_stav_kreditu);

    connect(btn_stredni, &QPushButton::clicked, this, [this] { btn_stredniClick(); });
    connect(btn_velka, &QPushButton::clicked, this, [this] { btn_velkaClick(); });
    connect(btn_mini, &QPushButton::clicked, this, [this] { btn_miniClick(); });
    connect(btn_mega, &QPushButton::clicked, this, [this] { btn_megaClick(); });
    connect(btn_benzin, &QPushButton::clicked, this, [this] { btn_benzinClick(); });
    connect(btn_energie, &QPushButton::clicked, this, [this] { btn_energieClick(); });
    zpristupni(this);
}

BojistePohled* Tform_obchod::hra() const { return bojiste ? bojiste : posledni_bojiste; }

void Tform_obchod::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // A window manager's own show (after a restore) is not a new visit.
    if (!e->spontaneous())
        FormShow();
}

void Tform_obchod::FormShow()
{
    BojistePohled* f = hra();
    if (!f)
        return;
    // cmb_zbran1 is enabled exactly during player 1's turn.
    hrac_obchodu = f->ovladani_povoleno(0) ? 0 : 1;
    const int p = hrac_obchodu;
    const auto cislo = [](int v) { return QString::number(v); };
    lbl_stav_kredit->setText(cislo(cele_cislo(f->penize(p))));
    lbl_stav_energie->setText(cislo(f->energie(p)));
    lbl_stav_nafta->setText(cislo(f->nafta(p)));
    QLabel* const pocty[] = {lbl_naboje_stredni, lbl_naboje_velka, lbl_naboje_mini,
                             lbl_naboje_mega};
    for (int druh = stredni_strela; druh <= mega_nuke; ++druh)
        pocty[druh - 1]->setText(cislo(cele_cislo(f->naboje(p, druh))));
    zvuk_obchodu = zvuk_v_nastaveni && zvuk_v_nastaveni();
    obnov_obchod(*this);
}

void obnov_obchod(Tform_obchod& o)
{
    const int kredit = cele_cislo(o.lbl_stav_kredit->text());
    // Without a battlefield only the credits count.
    std::int32_t energie = 0;
    std::int32_t nafta = 0;
    if (BojistePohled* f = o.hra()) {
        const int p = o.hrac_obchodu;
        f->nastav_penize(p, o.lbl_stav_kredit->text());
        // The gauges keep to their ranges: the caps are judged on what they show.
        f->nastav_energii(p, cele_cislo(o.lbl_stav_energie->text()));
        energie = f->energie(p);
        f->nastav_naftu(p, cele_cislo(o.lbl_stav_nafta->text()));
        nafta = f->nafta(p);
        f->nastav_naboje(p, stredni_strela, o.lbl_naboje_stredni->text());
        f->nastav_naboje(p, velka_strela, o.lbl_naboje_velka->text());
        f->nastav_naboje(p, mini_nuke, o.lbl_naboje_mini->text());
        f->nastav_naboje(p, mega_nuke, o.lbl_naboje_mega->text());
    }
    popis_stav(o);
    const TlacitkaObchodu t = tlacitka_obchodu(kredit, energie, nafta);
    o.btn_stredni->setEnabled(t.strely[stredni_strela]);
    o.btn_velka->setEnabled(t.strely[velka_strela]);
    o.btn_mini->setEnabled(t.strely[mini_nuke]);
    o.btn_mega->setEnabled(t.strely[mega_nuke]);
    o.btn_benzin->setEnabled(t.nafta);
    o.btn_energie->setEnabled(t.energie);
}

void Tform_obchod::kup(const Zbozi& z, QLabel* hodnota, QPushButton* b)
{
    const int kredit = cele_cislo(lbl_stav_kredit->text());
    // The buttons already keep an unaffordable purchase out; this keeps it out for
    // anything else that reaches a handler.
    if (!lze_koupit(z, kredit))
        return;
    const PoNakupu n = nakup(z, kredit, cele_cislo(hodnota->text()));
    lbl_stav_kredit->setText(QString::number(n.kredit));
    hodnota->setText(QString::number(n.mnozstvi));
    obnov_obchod(*this);
    ohlas(this, b->accessibleDescription());
    if (zvuk_obchodu)
        platform::play_sound("data/nakup.wav");
}

void Tform_obchod::btn_stredniClick()
{
    kup(strela_zbozi(stredni_strela), lbl_naboje_stredni, btn_stredni);
}
void Tform_obchod::btn_velkaClick() { kup(strela_zbozi(velka_strela), lbl_naboje_velka, btn_velka); }
void Tform_obchod::btn_miniClick() { kup(strela_zbozi(mini_nuke), lbl_naboje_mini, btn_mini); }
void Tform_obchod::btn_megaClick() { kup(strela_zbozi(mega_nuke), lbl_naboje_mega, btn_mega); }
void Tform_obchod::btn_benzinClick() { kup(nafta_zbozi, lbl_stav_nafta, btn_benzin); }
void Tform_obchod::btn_energieClick() { kup(energie_zbozi, lbl_stav_energie, btn_energie); }
