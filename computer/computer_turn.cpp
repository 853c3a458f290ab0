#include "computer/computer_turn.h"

#include "battlefield/drawing.h"
#include "combat/flight.h"
#include "combat/wind.h"
#include "computer/power_search.h"
#include "computer/purchases.h"
#include "computer/turn_rules.h"
#include "game/tarvana_hra.h"
#include "movement/driving.h"

namespace {

void oddech(Tform_hra& f, int ms)
{
    f.pauza(ms);
    f.zpracuj_zpravy();
}

void jed_pro_bednu(Tform_hra& f)
{
    const CestaProBednu c = cesta_pro_bednu(hrac[1], bonus_x);
    if (!c.jet)
        return;
    if (c.natankovat)
        pocitac_kupuje_naftu(f, 1);
    jizda_tanku(f, c.smer, bonus_x);
}

void kup_energii(Tform_hra& f)
{
    if (kupuje_energii(hrac[1], obtiznost))
        pocitac_kupuje_energii(f);
}

void ujed_kdyz_trpi(Tform_hra& f)
{
    if (!ujizdi(hrac[1], obtiznost))
        return;
    if (tankuje_na_utek(hrac[1]))
        pocitac_kupuje_naftu(f, 2);
    if (const std::optional<Jizda> j = kam_ujet(hrac[1]))
        jizda_tanku(f, j->smer, j->cil);
}

void vyber_zbran(Tform_hra& f)
{
    PlayerState& ja = hrac[1];
    const VolbaZbrane v = volba_zbrane(ja, obtiznost);
    f.cmb_zbran2->setCurrentIndex(zakladni_strela);
    for (int k = stredni_strela; k < pocet_zbrani; ++k)
        if (v.koupit[k])
            pocitac_kupuje_strelu(f, k);
    f.cmb_zbran2->setCurrentIndex(v.zbran);
    ja.zbran = v.zbran;
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
    const std::int32_t P = poloha_uhlu(vitr);
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
        kresli_tank(f.platno(), 1, barva_nebe);
        const Namireni n = nahradni_namireni();
        ja.sila = n.sila;
        ja.uhel = n.uhel;
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
