#include "combat/explosions.h"

#include "battlefield/drawing.h"
#include "combat/explosion_rules.h"
#include "game/battle_speech.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "movement/crate_rules.h"

namespace {

void uber_energii(const Zasah& z)
{
    for (int p : {0, 1})
        hrac[p].energie -= z.ztrata[p];
}

// The shooter's credits grow by the reward; a message only when something was earned, but
// the info line is repainted either way. A screen reader hears where the shell came down,
// and the message with it.
void vyplat(BojistePohled& f, int strelec, const Zasah& z, Dopad dopad)
{
    hrac[strelec].penize += z.odmena;
    f.nastav_penize(strelec, QString::number(hrac[strelec].penize));
    f.prekresli_penize(strelec);
    QString zprava;
    if (!z.zprava.empty()) {
        zprava = f.jmeno(strelec) + QString::fromStdString(z.zprava);
        f.nastav_info(zprava);
    }
    f.prekresli_info();
    posledni_dopad[strelec] = dopad;
    QString slovy = text_dopadu(dopad, hrac[strelec == 0 ? 1 : 0].x);
    if (!zprava.isEmpty())
        slovy += QLatin1Char(' ') + zprava;
    f.ohlas(slovy);
}

void kruh(Canvas& c, int X, int Y, int r) { c.ellipse(X - r, Y - r, X + r, Y + r); }

// Circles of radius 2..R, each shown, 2 ms apart.
void rostouci_kruhy(BojistePohled& f, int X, int Y, int R)
{
    for (int i = 2; i <= R; ++i) {
        kruh(f.platno(), X, Y, i);
        f.ukaz();
        f.pauza(2);
    }
}

// A crate whose columns the blast overlaps is destroyed without its bonus. With no crate
// this repaints the plain sky and ground at column 0 only.
void znic_bednu_v_dosahu(BojistePohled& f, int X, int R)
{
    if (vybuch_zasahne_bednu(X, R, bonus_x)) {
        kresli_bonus(f.platno(), barva_nebe);
        bonus_x = 0;
    }
}

} // namespace

void primy_zasah(BojistePohled& f, int zasazeny, int, int)
{
    const int strelec = na_tahu;
    const Zasah z = spocti_primy_zasah(hrac, strelec, zasazeny);
    uber_energii(z);
    if (hrac[strelec].zbran == zakladni_strela) {
        kresli_tank(f.platno(), zasazeny, clRed);
        f.ukaz();
        f.pauza(150);
    }
    vyplat(f, strelec, z,
           Dopad{zasazeny == strelec ? Dopad::Kde::vlastni_tank : Dopad::Kde::zasah, 0});
}

void zasah_okoli(BojistePohled& f, int zbran, int X, int Y)
{
    const Zasah z = spocti_zasah_okoli(hrac, na_tahu, zbran, Bod{X, Y});
    uber_energii(z);
    vyplat(f, na_tahu, z, Dopad{Dopad::Kde::zem, X});
}

void vybuch_strely(BojistePohled& f, int X, int Y, int R)
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

void vybuch_nuke(BojistePohled& f, int X, int Y, int R)
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

void vykopej_krater(BojistePohled& f, int X, int Y, int R)
{
    Canvas& c = f.platno();
    c.set_pen_width(1);
    c.set_pen_color(barva_nebe);
    // Whatever ground is left above the new surface becomes air, from row 201 down.
    for (const Prohloubeni& s : prohloub_krater(vysky, X, Y, R))
        c.line(s.sloupec, s.po - 1, s.sloupec, 200);
    f.ukaz();
}
