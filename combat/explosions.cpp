#include "combat/explosions.h"

#include "battlefield/drawing.h"
#include "combat/weapons.h"
#include "game/tarvana_hra.h"

#include <cmath>
#include <cstdlib>

namespace {

// The shooter's credits grow by odmena; a message only when something was earned, but
// the info line is repainted either way.
void vyplat(Tform_hra& f, int strelec, std::int32_t odmena, const char* za)
{
    hrac[strelec].penize += odmena;
    QLabel* penize = f.lbl_penize(strelec);
    penize->setText(QString::number(hrac[strelec].penize));
    penize->repaint();
    if (odmena != 0)
        f.lbl_infotext->setText(f.lbl_jmeno(strelec)->text() + QLatin1String(za)
                                + QString::number(odmena) + QStringLiteral(" kreditu!"));
    f.lbl_infotext->repaint();
}

void kruh(Canvas& c, int X, int Y, int r) { c.ellipse(X - r, Y - r, X + r, Y + r); }

// Circles of radius 2..R, each shown, 2 ms apart.
void rostouci_kruhy(Tform_hra& f, int X, int Y, int R)
{
    for (int i = 2; i <= R; ++i) {
        kruh(f.platno(), X, Y, i);
        f.ukaz();
        f.pauza(2);
    }
}

// A crate whose columns the blast overlaps is destroyed without its bonus. With no crate
// this repaints the plain sky and ground at column 0 only.
void znic_bednu_v_dosahu(Tform_hra& f, int X, int R)
{
    if (X - R <= bonus_x + 5 && X + R >= bonus_x - 5) {
        kresli_bonus(f.platno(), barva_nebe);
        bonus_x = 0;
    }
}

} // namespace

void primy_zasah(Tform_hra& f, int zasazeny, int, int)
{
    const int strelec = na_tahu;
    const int souper = 1 - strelec;
    const std::int32_t zbran = hrac[strelec].zbran;
    const std::int32_t pred = hrac[souper].energie;
    const WeaponEffect& u = ucinky_zbrani[zbran];
    hrac[zasazeny].energie -= u.primy_zaklad + U(u.primy_rozptyl);
    if (zbran == zakladni_strela) {
        kresli_tank(f.platno(), zasazeny, clRed);
        f.ukaz();
        f.pauza(150);
    }
    std::int32_t odmena = odmena_primy_bod * (pred - hrac[souper].energie);
    if (zbran == zakladni_strela && odmena > 0)
        odmena += odmena_zakladni_primy;
    if (hrac[souper].energie <= 0)
        odmena += odmena_zniceni;
    vyplat(f, strelec, odmena, " ziskava za primy zasah ");
}

void zasah_okoli(Tform_hra& f, int zbran, int X, int Y)
{
    const int strelec = na_tahu;
    const int souper = 1 - strelec;
    const std::int32_t pred = hrac[souper].energie;
    const WeaponEffect& u = ucinky_zbrani[zbran];
    for (PlayerState& s : hrac) {
        if (v_dosahu(X, Y, u.dosah, s.x, s.y))
            s.energie -= u.okoli_zaklad + U(u.okoli_rozptyl);
    }
    // Damage to the shooter's own tank neither costs nor pays.
    std::int32_t odmena = odmena_okoli_bod * (pred - hrac[souper].energie);
    if (hrac[souper].energie <= 0)
        odmena += odmena_zniceni;
    vyplat(f, strelec, odmena, " ziskava za zasah ");
}

void vybuch_strely(Tform_hra& f, int X, int Y, int R)
{
    Canvas& c = f.platno();
    // The outline keeps the pen colour the caller left: green after a crate was erased.
    c.set_pen_width(1);
    c.set_brush_color(clRed);
    rostouci_kruhy(f, X, Y, R);
    c.set_brush_color(clYellow);
    rostouci_kruhy(f, X, Y, R);
    znic_bednu_v_dosahu(f, X, R);
    c.set_pen_color(barva_nebe);
    c.set_brush_color(barva_nebe);
    rostouci_kruhy(f, X, Y, R);
    vykopej_krater(f, X, Y, R);
}

void vybuch_nuke(Tform_hra& f, int X, int Y, int R)
{
    Canvas& c = f.platno();
    c.set_pen_width(1);
    c.set_pen_color(barva_nebe);
    for (int k = 0; k < 80; ++k) {
        for (Color barva : {clRed, clYellow}) {
            c.set_brush_color(barva);
            kruh(c, X, Y, R);
            f.ukaz();
            f.pauza(6);
        }
    }
    znic_bednu_v_dosahu(f, X, R);
    c.set_pen_color(barva_nebe);
    c.set_brush_color(barva_nebe);
    kruh(c, X, Y, R);
    vykopej_krater(f, X, Y, R);
}

void vykopej_krater(Tform_hra& f, int X, int Y, int R)
{
    Canvas& c = f.platno();
    c.set_pen_width(1);
    c.set_pen_color(barva_nebe);
    // The ground only ever falls, never below the picture; whatever ground is left above
    // the new surface becomes air, from row 201 down.
    auto prohloubit = [&](int sloupec, std::int32_t dno) {
        std::int32_t& v = vysky[static_cast<std::size_t>(sloupec)];
        if (v < dno)
            v = dno;
        if (v > H)
            v = H;
        c.line(sloupec, v - 1, sloupec, 200);
    };
    for (int i = 1; i <= R; ++i) {
        const auto dno = static_cast<std::int32_t>(Y + std::sqrt(std::abs((R - i) * (R + i))));
        if (X - i >= 0)
            prohloubit(X - i, dno);
        if (X + i <= W)
            prohloubit(X + i, dno);
    }
    if (X >= 0 && X <= W)
        prohloubit(X, Y + R);
    f.ukaz();
}
