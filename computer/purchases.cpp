#include "computer/purchases.h"

#include "game/platform.h"
#include "game/tarvana_hra.h"

#include <algorithm>

namespace {

// What the info line says after the buyer's name, by WeaponKind.
const char* const zpravy_strel[pocet_zbrani] = {
    "", " kupuje stredni strelu.", " kupuje velkou strelu.", " kupuje mini nuke.",
    " kupuje mega nuke.",
};

// The info line names the buyer as the name label shows it now.
void oznam(Tform_hra& f, const char* co)
{
    f.lbl_infotext->setText(f.lbl_jmeno2->text() + QLatin1String(co));
}

// Every purchase is made visible, heard and given time to be seen.
void ukaz_nakup(Tform_hra& f)
{
    f.lbl_penize2->setText(QString::number(hrac[1].penize));
    f.obnov_okno();
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    f.pauza(400);
}

// Fuel and energy come in loads: the first is always bought (the caller has decided), each
// further one while the credits last, the store is not full and dalsi() agrees.
template <class Dalsi>
void kupuj_davky(Tform_hra& f, std::int32_t& zasoba, std::int32_t cena, std::int32_t davka,
                 std::int32_t plna, Gauge* ukazatel, const char* zprava, Dalsi dalsi)
{
    std::int32_t& penize = hrac[1].penize;
    do {
        penize -= cena;
        zasoba = std::min(zasoba + davka, plna);
        ukazatel->setProgress(zasoba);
        oznam(f, zprava);
        ukaz_nakup(f);
    } while (penize >= cena && zasoba < plna && dalsi());
}

} // namespace

void pocitac_kupuje_naftu(Tform_hra& f, int n)
{
    // A crate drive buys its first load even on credit.
    kupuj_davky(f, hrac[1].nafta, cena_nafty, davka_nafty, plna_nadrz, f.cgg_nadrz2,
                " kupuje naftu.", [n] { return nahoda(n) == 0; });
}

void pocitac_kupuje_energii(Tform_hra& f)
{
    // Below this level a better player keeps buying for sure, above it on a coin.
    const std::int32_t jiste_pod = 100 + 25 * obtiznost;
    const std::int32_t& energie = hrac[1].energie;
    kupuj_davky(f, hrac[1].energie, cena_energie, davka_energie, plna_energie, f.cgg_energie2,
                " kupuje energii.", [&] { return energie < jiste_pod || nahoda(2) != 0; });
}

void pocitac_kupuje_strelu(Tform_hra& f, int k)
{
    if (k <= zakladni_strela || k >= pocet_zbrani)
        return;
    PlayerState& p = hrac[1];
    p.penize -= cena_strely[k];
    f.lbl_penize2->setText(QString::number(p.penize));
    f.lbl_penize2->repaint();
    ++p.naboje[k];
    f.lbl_naboje(1, k)->setText(QString::number(p.naboje[k]));
    oznam(f, zpravy_strel[k]);
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    f.cmb_zbran2->setCurrentIndex(k);
    f.pauza(400);
}
