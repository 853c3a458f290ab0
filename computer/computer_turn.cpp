#include "computer/computer_turn.h"

#include "battlefield/drawing.h"
#include "combat/flight.h"
#include "combat/wind.h"
#include "computer/power_search.h"
#include "computer/purchases.h"
#include "game/tarvana_hra.h"
#include "movement/driving.h"

#include <cstdlib>

namespace {

// How far a crate may lie for the computer to go and fetch it.
constexpr std::int32_t dosah_bedny = 100;

void oddech(Tform_hra& f, int ms)
{
    f.pauza(ms);
    f.zpracuj_zpravy();
}

void jed_pro_bednu(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    if (bonus_x == 0 || std::abs(bonus_x - ja.x) > dosah_bedny || nahoda(2) == 0)
        return;
    if (std::abs(bonus_x - ja.x) > ja.nafta)
        pocitac_kupuje_naftu(f, 1);
    jizda_tanku(f, bonus_x >= ja.x ? +1 : -1, bonus_x);
}

void kup_energii(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    if (ja.penize < cena_energie)
        return;
    const std::int32_t r = nahoda(80 - 5 * obtiznost);
    if (ja.energie <= 190 - r)
        pocitac_kupuje_energii(f);
}

void ujed_kdyz_trpi(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    const std::int32_t r = nahoda(50);
    if (ja.energie > 150 - r || nahoda(6 - obtiznost) == 0)
        return;
    if (ja.nafta <= 50 && ja.penize >= cena_nafty)
        pocitac_kupuje_naftu(f, 2);
    if (ja.nafta < 19)
        return;
    // The coin is tossed even when the right edge leaves no choice.
    if (nahoda(2) != 0 && ja.x < W - 40) {
        const std::int32_t cil = ja.x + 40 + nahoda(60);
        jizda_tanku(f, +1, cil);
    } else {
        const std::int32_t cil = ja.x - 40 - nahoda(60);
        jizda_tanku(f, -1, cil);
    }
}

void vyber_zbran(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    f.cmb_zbran2->setCurrentIndex(zakladni_strela);
    // The heaviest kind whose roll comes up and that it holds or can pay for wins.
    for (int k = stredni_strela; k < pocet_zbrani; ++k) {
        if (nahoda(4 * k - 2 * obtiznost) != 0)
            continue;
        if (ja.naboje[k] >= 1)
            f.cmb_zbran2->setCurrentIndex(k);
        else if (ja.penize > cena_strely[k])
            pocitac_kupuje_strelu(f, k);
    }
    ja.zbran = f.cmb_zbran2->currentIndex();
    for (int k = zakladni_strela; k < pocet_zbrani; ++k)
        f.lbl_naboje(1, k)->hide();
    QLabel* pocet = f.lbl_naboje(1, ja.zbran);
    pocet->show();
    pocet->repaint();
}

void nastav_uhel(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    kresli_tank(f.platno(), 1, barva_nebe);
    const std::int32_t P = vitr < 2 ? 80 - nahoda(50) : 50 - nahoda(25);
    ja.uhel = 90 + P;
    kresli_tank(f.platno(), 1, 0);
    // Only a real change of position runs scr_uhel2Change, which mirrors the angle to
    // 180 - P; an unchanged position leaves 90 + P to be aimed and fired.
    f.scr_uhel2->setValue(P);
    f.lbl_uhel2->setText(QString::number(f.scr_uhel2->value()));
    f.lbl_uhel2->repaint();
}

void zamer(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    ja.sila = hledej_silu(hrac, vitr, vysky).sila;
    if (ja.sila >= nejvetsi_sila) {
        // Nothing reached player 1 in time: a plain lob at a middling angle.
        kresli_tank(f.platno(), 1, barva_nebe);
        ja.sila = 70 + nahoda(30);
        ja.uhel = 110 + nahoda(30);
        kresli_tank(f.platno(), 1, 0);
    }
    ja.sila = pokazena_sila(ja.sila, obtiznost);
}

} // namespace

void tah_pocitace(Tform_hra& f)
{
    jed_pro_bednu(f);
    oddech(f, 500);
    kup_energii(f);
    oddech(f, 500);
    ujed_kdyz_trpi(f);
    vyber_zbran(f);
    oddech(f, 1500);
    nastav_uhel(f);
    zamer(f);

    PlayerState& ja = hrac[1];
    f.scr_sila2->setValue(ja.sila);
    f.lbl_sila2->setText(QString::number(ja.sila));
    f.zpracuj_zpravy();
    let_strely(f);
    novy_vitr(f);
}
