#include "computer/purchases.h"

#include "computer/purchase_rules.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"

namespace {

// The info line names the buyer as the name label shows it now.
void oznam(Tform_hra& f, const char* co)
{
    f.lbl_infotext->setText(f.lbl_jmeno2->text() + QLatin1String(co));
}

// Every load is made visible, heard and given time to be seen.
void ukaz_davku(Tform_hra& f, Gauge* ukazatel, std::int32_t zasoba, const char* zprava)
{
    ukazatel->setProgress(zasoba);
    oznam(f, zprava);
    f.lbl_penize2->setText(QString::number(hrac[1].penize));
    f.obnov_okno();
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    f.pauza(400);
}

} // namespace

void pocitac_kupuje_naftu(Tform_hra& f, int n)
{
    kupuj_naftu(hrac[1], n, [&f] { ukaz_davku(f, f.cgg_nadrz2, hrac[1].nafta, zprava_nafty); });
}

void pocitac_kupuje_energii(Tform_hra& f)
{
    kupuj_energii(hrac[1], obtiznost,
                  [&f] { ukaz_davku(f, f.cgg_energie2, hrac[1].energie, zprava_energie); });
}

void pocitac_kupuje_strelu(Tform_hra& f, int k)
{
    if (k <= zakladni_strela || k >= pocet_zbrani)
        return;
    PlayerState& p = hrac[1];
    kup_strelu(p, k);
    f.lbl_penize2->setText(QString::number(p.penize));
    f.lbl_penize2->repaint();
    f.lbl_naboje(1, k)->setText(QString::number(p.naboje[k]));
    oznam(f, zprava_strely(k));
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    f.cmb_zbran2->setCurrentIndex(k);
    f.pauza(400);
}
