#include "combat/flight.h"

#include "battlefield/drawing.h"
#include "battlefield/terrain.h"
#include "combat/ballistics.h"
#include "combat/explosions.h"
#include "combat/round_end.h"
#include "game/platform.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"

#include <QImage>

void zablesk(BojistePohled& f, int X, int Y)
{
    Canvas& c = f.platno();
    c.set_pen_width(8);
    for (Color barva : {clRed, clYellow}) {
        c.set_pen_color(barva);
        c.line(X, Y, X, Y);
        f.ukaz();
        f.pauza(100);
    }
    c.set_pen_color(barva_nebe);
    c.line(X, Y, X, Y);
    // The flash may have covered the barrel.
    kresli_tank(c, na_tahu, 0);
}

namespace {

void vystrel(BojistePohled& f, PlayerState& s)
{
    f.zakaz_ovladani();
    f.nastav_info(QString());
    f.prekresli_info();
    f.ukaz_info(false);
    // The count is spent at launch, whatever the shot hits; the basic shell has none.
    if (s.zbran != zakladni_strela) {
        --s.naboje[s.zbran];
        f.nastav_naboje(na_tahu, s.zbran, QString::number(s.naboje[s.zbran]));
    }
    if (s.zbran == mini_nuke || s.zbran == mega_nuke) {
        if (zvuk)
            platform::play_sound("data/nuke.wav");
        f.pauza(1000);
        f.zpracuj_zpravy();
    }
    if (zvuk)
        platform::play_sound("data/vystrel.wav");
}

// Moves the shell until it meets something and returns where and what.
KonecLetu let(BojistePohled& f, const PlayerState& s, Bod start)
{
    Canvas& c = f.platno();
    Let drah(start, s.uhel, s.sila, vitr);
    Bod b = start;
    for (;;) {
        c.set_pen_width(4);
        c.set_pen_color(clBlack);
        c.line(b.x, b.y, b.x, b.y);
        f.ukaz();
        if (zpozdeni != 0)
            f.pauza(zpozdeni);
        f.zpracuj_zpravy();
        if (b.y >= 198) {
            c.set_pen_color(barva_nebe);
            c.line(b.x, b.y, b.x, b.y);
        } else {
            // Restores the sky picture exactly where it was; set again in case anything
            // handled meanwhile left a solid brush.
            c.set_brush_pattern(nebe.get());
            c.fill_rect(b.x - 2, b.y - 2, b.x + 2, b.y + 2);
        }
        b = drah.krok();
        const ImpactKind k = vyhodnot(b, hrac, bonus_x, vysky, true);
        if (k != ImpactKind::zadny)
            return KonecLetu{k, b};
    }
}

void vybuch_zbrane(BojistePohled& f, int zbran, Bod b, bool primy)
{
    switch (zbran) {
    case zakladni_strela:
        // A direct hit with the basic shell leaves the ground as it is.
        if (!primy)
            maly_krater(f.platno(), b.x);
        break;
    case stredni_strela: vybuch_strely(f, b.x, b.y, 15); break;
    case velka_strela: vybuch_strely(f, b.x, b.y, 25); break;
    case mini_nuke: vybuch_nuke(f, b.x, b.y, 10); break;
    case mega_nuke: vybuch_nuke(f, b.x, b.y, 20); break;
    default: break;
    }
}

void dopad(BojistePohled& f, int zbran, KonecLetu konec)
{
    const Bod b = konec.bod;
    ImpactKind k = konec.vysledek;
    if (zvuk)
        platform::play_sound(k == ImpactKind::mimo ? "data/smich.wav" : "data/vybuch.wav");
    bool primy = false;
    if (k == ImpactKind::tank1 || k == ImpactKind::tank2) {
        primy_zasah(f, k == ImpactKind::tank1 ? 0 : 1, b.x, b.y);
        primy = true;
    } else if (k == ImpactKind::bedna) {
        // The crate is lost without its bonus.
        kresli_bonus(f.platno(), barva_nebe);
        bonus_x = 0;
        if (zbran == zakladni_strela) {
            vybuch_strely(f, b.x, b.y, 15);
            f.ukaz_info(true);
            zasah_okoli(f, zakladni_strela, b.x, b.y);
            return;
        }
        k = ImpactKind::zem;
    }
    if (primy || k == ImpactKind::zem) {
        vybuch_zbrane(f, zbran, b, primy);
        f.ukaz_info(true);
        if (!primy)
            zasah_okoli(f, zbran, b.x, b.y);
        return;
    }
    f.ukaz_info(true);
}

void uzavri(BojistePohled& f)
{
    Canvas& c = f.platno();
    c.set_pen_color(barva_nebe);
    f.nastav_energii(0, hrac[0].energie);
    f.nastav_energii(1, hrac[1].energie);
    // A round end gives both tanks full energy, so only one destruction is processed.
    if (hrac[0].energie <= 0)
        zniceni_tanku(f, 0);
    if (hrac[1].energie <= 0)
        zniceni_tanku(f, 1);
    kresli_tank(c, 0, barva_nebe);
    kresli_tank(c, 1, barva_nebe);
    // A tank takes no damage from sinking: it just stands on the new surface.
    for (PlayerState& s : hrac)
        s.y = radek_tanku(s.x);
    kresli_tank(c, 0, 0);
    kresli_tank(c, 1, 0);
    f.ukaz();
}

} // namespace

void let_strely(BojistePohled& f)
{
    PlayerState& s = hrac[na_tahu];
    if (s.zbran < 0 || s.zbran >= pocet_zbrani)
        s.zbran = zakladni_strela;
    vystrel(f, s);
    const Bod start = hlaven(s.x, s.y, s.uhel);
    zablesk(f, start.x, start.y);
    Canvas& c = f.platno();
    c.set_pen_width(4);
    c.set_pen_color(clBlack);
    c.set_brush_pattern(nebe.get());
    const KonecLetu konec = let(f, s, start);
    dopad(f, s.zbran, konec);
    uzavri(f);
}
