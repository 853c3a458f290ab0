#include "computer/purchases.h"

#include "computer/purchase_rules.h"
#include "game/platform.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"

namespace {

// The info line names the buyer as the name label shows it now; a screen reader hears it.
void oznam(BojistePohled& f, const char* co)
{
    const QString zprava = f.jmeno(1) + QLatin1String(co);
    f.nastav_info(zprava);
    f.ohlas(zprava);
}

// Every load is made visible, heard and given time to be seen.
void ukaz_davku(BojistePohled& f, void (BojistePohled::*ukazatel)(int, int), std::int32_t zasoba,
                const char* zprava)
{
    (f.*ukazatel)(1, zasoba);
    oznam(f, zprava);
    f.nastav_penize(1, QString::number(hrac[1].penize));
    f.obnov_okno();
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    f.pauza(400);
}

} // namespace

void pocitac_kupuje_naftu(BojistePohled& f, int n)
{
    kupuj_naftu(hrac[1], n, [&f] { ukaz_davku(f, &BojistePohled::nastav_naftu, hrac[1].nafta, zprava_nafty); });
}

void pocitac_kupuje_energii(BojistePohled& f)
{
    kupuj_energii(hrac[1], obtiznost,
                  [&f] { ukaz_davku(f, &BojistePohled::nastav_energii, hrac[1].energie, zprava_energie); });
}

void pocitac_kupuje_strelu(BojistePohled& f, int k)
{
    if (k <= zakladni_strela || k >= pocet_zbrani)
        return;
    PlayerState& p = hrac[1];
    kup_strelu(p, k);
    f.nastav_penize(1, QString::number(p.penize));
    f.prekresli_penize(1);
    f.nastav_naboje(1, k, QString::number(p.naboje[k]));
    oznam(f, zprava_strely(k));
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    f.vyber_zbran(1, k);
    f.pauza(400);
}
