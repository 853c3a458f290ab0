#include "computer/computer_turn.h"

#include "battlefield/drawing.h"
#include "combat/flight.h"
#include "combat/wind.h"
#include "computer/power_search.h"
#include "computer/purchases.h"
#include "computer/turn_rules.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "movement/driving.h"

namespace {

void oddech(BojistePohled& f, int ms)
{
    f.pauza(ms);
    f.zpracuj_zpravy();
}

void jed_pro_bednu(BojistePohled& f)
{
    const CestaProBednu c = cesta_pro_bednu(hrac[1], bonus_x);
    if (!c.jet)
        return;
    if (c.natankovat)
        pocitac_kupuje_naftu(f, 1);
    jizda_tanku(f, c.smer, bonus_x);
}

void kup_energii(BojistePohled& f)
{
    if (kupuje_energii(hrac[1], obtiznost))
        pocitac_kupuje_energii(f);
}

void ujed_kdyz_trpi(BojistePohled& f)
{
    if (!ujizdi(hrac[1], obtiznost))
        return;
    if (tankuje_na_utek(hrac[1]))
        pocitac_kupuje_naftu(f, 2);
    if (const std::optional<Jizda> j = kam_ujet(hrac[1]))
        jizda_tanku(f, j->smer, j->cil);
}

void vyber_zbran(BojistePohled& f)
{
    PlayerState& ja = hrac[1];
    const VolbaZbrane v = volba_zbrane(ja, obtiznost);
    f.vyber_zbran(1, zakladni_strela);
    for (int k = stredni_strela; k < pocet_zbrani; ++k)
        if (v.koupit[k])
            pocitac_kupuje_strelu(f, k);
    f.vyber_zbran(1, v.zbran);
    ja.zbran = v.zbran;
    f.ukaz_naboje(1, ja.zbran);
}

void nastav_uhel(BojistePohled& f)
{
    PlayerState& ja = hrac[1];
    kresli_tank(f.platno(), 1, barva_nebe);
    const std::int32_t P = poloha_uhlu(vitr);
    ja.uhel = 90 + P;
    kresli_tank(f.platno(), 1, 0);
    // Only a real change of position runs scr_uhel2Change, which mirrors the angle to
    // 180 - P; an unchanged position leaves 90 + P to be aimed and fired.
    f.nastav_polohu_uhlu(1, P);
    f.nastav_popisek_uhlu(1, QString::number(f.poloha_uhlu(1)));
}

void zamer(BojistePohled& f)
{
    PlayerState& ja = hrac[1];
    ja.sila = hledej_silu(hrac, vitr, vysky).sila;
    if (ja.sila >= nejvetsi_sila) {
        kresli_tank(f.platno(), 1, barva_nebe);
        const Namireni n = nahradni_namireni();
        ja.sila = n.sila;
        ja.uhel = n.uhel;
        kresli_tank(f.platno(), 1, 0);
    }
    ja.sila = pokazena_sila(ja.sila, obtiznost);
}

} // namespace

void tah_pocitace(BojistePohled& f)
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
    f.nastav_polohu_sily(1, ja.sila);
    f.nastav_popisek_sily(1, QString::number(ja.sila));
    f.zpracuj_zpravy();
    let_strely(f);
    novy_vitr(f);
}
