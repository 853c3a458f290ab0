#include "movement/crates.h"

#include "battlefield/drawing.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"

#include <QString>

namespace {

// Columns where no crate may land: the no-man's-land between the two sides, and the
// ground just around a tank, so that nobody gets a crate without driving for it.
bool zakazany_sloupec(int c)
{
    if (c >= 298 && c <= 492)
        return true;
    for (const PlayerState& p : hrac)
        if (c >= p.x - 45 && c <= p.x + 20)
            return true;
    return false;
}

} // namespace

void umisti_bonus(Tform_hra& f)
{
    if (bonus_x != 0)
        return;
    const int c = 15 + nahoda(W - 30);
    // A forbidden column means no crate this time; the next change of turn tries again.
    if (zakazany_sloupec(c))
        return;
    bonus_x = c;
    f.pauza(500);
    kresli_bonus(f.platno(), clMaroon);
    f.ukaz();
    if (zvuk)
        platform::play_sound("data/bonus.wav");
}

void seber_bonus(Tform_hra& f)
{
    if (bonus_x == 0)
        return;
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    kresli_bonus(f.platno(), barva_nebe);
    kresli_tank(f.platno(), 0, 0);
    kresli_tank(f.platno(), 1, 0);
    f.ukaz();

    const int p = na_tahu;
    PlayerState& h = hrac[p];
    const int k = nahoda(8);
    QString zprava;
    if (k == 0) {
        h.penize += 1000;
        f.lbl_penize(p)->setText(QString::number(h.penize));
        zprava = QStringLiteral("Bonus: 1000 kreditu.");
    } else if (k <= mega_nuke) {
        // Draws 1..4 are the four projectile kinds in their own order.
        h.naboje[k] += 1;
        f.lbl_naboje(p, k)->setText(QString::number(h.naboje[k]));
        zprava = QStringLiteral("Bonus: %1.").arg(QLatin1String(nazvy_zbrani[k]));
    } else if (k == 5) {
        h.energie = plna_energie;
        f.cgg_energie(p)->setProgress(plna_energie);
        zprava = QStringLiteral("Bonus: Plna energie.");
    } else {
        h.nafta = plna_nadrz;
        f.cgg_nadrz(p)->setProgress(plna_nadrz);
        zprava = QStringLiteral("Bonus: Plna nadrz.");
    }
    f.lbl_infotext->setText(zprava);
    f.lbl_infotext->repaint();
    f.pauza(400);
    bonus_x = 0;
}
