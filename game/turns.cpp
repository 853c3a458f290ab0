#include "game/turns.h"

#include "battlefield/drawing.h"
#include "battlefield/terrain.h"
#include "combat/wind.h"
#include "game/battle_speech.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"

#include <cstdlib>
#include <initializer_list>

namespace {

void vypni_ovladani(Tform_hra& f)
{
    for (QWidget* w : {static_cast<QWidget*>(f.btn_pal), static_cast<QWidget*>(f.btn_obchod),
                       static_cast<QWidget*>(f.cmb_zbran1), static_cast<QWidget*>(f.cmb_zbran2),
                       static_cast<QWidget*>(f.scr_sila1), static_cast<QWidget*>(f.scr_sila2),
                       static_cast<QWidget*>(f.scr_uhel1), static_cast<QWidget*>(f.scr_uhel2)})
        w->setEnabled(false);
}

// The shot of this turn that has been announced.
const char* const ohlaseny_vystrel = "tarvana_ohlaseny_vystrel";

std::array<QString, 2> jmena(const Tform_hra& f)
{
    return {f.lbl_jmeno1->text(), f.lbl_jmeno2->text()};
}

QString tah_slovy(const Tform_hra& f)
{
    const int p = na_tahu == 0 ? 0 : 1;
    return text_tahu(jmena(f), p, hrac, vitr, posledni_dopad[p]);
}

} // namespace

void zakaz_ovladani(Tform_hra& f)
{
    // A shot begins, and is announced once: the fire button's handler and the flight both
    // start it. Its shell is off the field until it comes down somewhere.
    const int p = na_tahu == 0 ? 0 : 1;
    const QString vystrel = text_vystrelu(jmena(f)[p], p, hrac[p]);
    vypni_ovladani(f);
    if (f.property(ohlaseny_vystrel).toString() != vystrel) {
        f.setProperty(ohlaseny_vystrel, vystrel);
        f.ohlas(vystrel);
    }
    posledni_dopad[p] = Dopad{Dopad::Kde::mimo, 0};
}

void popis_bojiste(Tform_hra& f)
{
    // A screen reader hears it with the fire button as that gets the focus.
    f.btn_pal->setAccessibleDescription(tah_slovy(f));
}

void ukaz_penize(Tform_hra& f)
{
    for (int p : {0, 1})
        f.lbl_penize(p)->setNum(hrac[p].penize);
}

void nove_kolo(Tform_hra& f, int zacina)
{
    if (zvuk)
        platform::play_sound("data/start.wav");
    platform::random_source().seed(static_cast<std::uint32_t>(platform::clock().seconds()));
    novy_vitr(f);
    ukaz_penize(f);

    for (int p : {0, 1}) {
        PlayerState& h = hrac[p];
        h.uhel = p == 0 ? 45 : 135;
        h.sila = 70;
        h.zbran = zakladni_strela;
        h.energie = plna_energie;
        h.nafta = plna_nadrz;
    }
    bonus_x = 0;
    // Only a round end gives points, and it says how the round ended.
    if (hrac[0].stav + hrac[1].stav > 0)
        f.ohlas(text_konce_kola(jmena(f), zacina, hrac));
    posledni_dopad = {};

    // A bar that really moves runs its handler, which sets the same values again (and
    // redraws the tank where it stood on the old landscape; the new one covers that).
    for (int p : {0, 1}) {
        f.scr_uhel(p)->setValue(45);
        f.scr_sila(p)->setValue(70);
    }

    for (int p : {0, 1}) {
        f.cmb_zbran(p)->setCurrentIndex(zakladni_strela);
        for (int k = 0; k < pocet_zbrani; ++k)
            f.lbl_naboje(p, k)->setVisible(k == zakladni_strela);
        f.cgg_energie(p)->setProgress(hrac[p].energie);
        f.cgg_nadrz(p)->setProgress(hrac[p].nafta);
        for (int k = stredni_strela; k < pocet_zbrani; ++k)
            f.lbl_naboje(p, k)->setNum(hrac[p].naboje[k]);
    }

    vytvor_krajinu();
    kresli_krajinu(f.platno());
    kresli_tank(f.platno(), 0, 0);
    kresli_tank(f.platno(), 1, 0);

    na_tahu = zacina;
    zmena_tahu(f);
    f.obnov_okno();
}

bool muze_strilet(int p)
{
    const std::int32_t z = hrac[p].zbran;
    return z == zakladni_strela || (z > 0 && z < pocet_zbrani && hrac[p].naboje[z] != 0);
}

namespace {

void predej_ovladani(Tform_hra& f, int p)
{
    // The tank flashes blue for a moment to show whose turn it is.
    kresli_tank(f.platno(), p, clBlue);
    f.ukaz();
    f.pauza(100);
    kresli_tank(f.platno(), p, 0);
    f.ukaz();

    f.scr_uhel(p)->setEnabled(true);
    f.scr_sila(p)->setEnabled(true);
    f.cmb_zbran(p)->setEnabled(true);
    f.btn_obchod->setEnabled(true);
    if (muze_strilet(p)) {
        f.btn_pal->setEnabled(true);
        f.btn_pal->setFocus();
    }
    probiha_akce = false;
}

} // namespace

void zmena_tahu(Tform_hra& f)
{
    // The fire button tells the new turn as it gets the focus; a turn that leaves the focus
    // where it was (the computer's, or one with no shells for the chosen weapon) is
    // announced.
    popis_bojiste(f);
    f.setProperty(ohlaseny_vystrel, QVariant());
    vypni_ovladani(f);

    // A window asked to close gives no one the turn: it closes as soon as the running
    // action ends, and nothing may start in between. Its shot is over all the same.
    const bool hraje_se = !f.zavira_se();
    if (!hraje_se)
        probiha_akce = false;
    else if (na_tahu == 0 && typ_hry != sit_klient)
        predej_ovladani(f, 0);
    else if (na_tahu == 1 && (typ_hry == dva_hraci || typ_hry == sit_klient))
        predej_ovladani(f, 1);
    // Otherwise the computer or the other computer moves: nothing is handed over here.
    if (f.focusWidget() != f.btn_pal)
        f.ohlas(f.btn_pal->accessibleDescription());
}
