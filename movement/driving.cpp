#include "movement/driving.h"

#include "battlefield/drawing.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "movement/crates.h"
#include "movement/driving_rules.h"

#include <algorithm>

namespace {

// The ground row under a column; columns off the heightmap read its nearest end.
int zem_pod(int sloupec)
{
    return vysky[static_cast<std::size_t>(std::clamp(sloupec, 0, static_cast<int>(vysky.size()) - 1))];
}

// The fire and shop buttons stay off while a human drives: the drive lets the window
// handle its pending messages once, and a shot or a shop visit started there would run
// inside the drive, on the same player.
class TlacitkaVypnuta {
public:
    explicit TlacitkaVypnuta(Tform_hra& f)
        : f_(f), pal_(f.btn_pal->isEnabled()), obchod_(f.btn_obchod->isEnabled()),
          fokus_(f.focusWidget())
    {
        f_.btn_pal->setEnabled(false);
        f_.btn_obchod->setEnabled(false);
    }
    ~TlacitkaVypnuta()
    {
        // The weapon box stays usable during the drive and a crate may bring shells:
        // on the player's own turn the fire button follows the weapon chosen by now.
        f_.btn_pal->setEnabled(obchod_ ? muze_strilet(na_tahu) : pal_);
        f_.btn_obchod->setEnabled(obchod_);
        // Disabling moved the focus on; give it back to the button that had it.
        if (fokus_ == f_.btn_pal || fokus_ == f_.btn_obchod)
            if (fokus_->isEnabled())
                fokus_->setFocus();
    }
    TlacitkaVypnuta(const TlacitkaVypnuta&) = delete;
    TlacitkaVypnuta& operator=(const TlacitkaVypnuta&) = delete;

private:
    Tform_hra& f_;
    bool pal_;
    bool obchod_;
    QWidget* fokus_;
};

} // namespace

void jizda_tanku(Tform_hra& f, int smer, int cil)
{
    const int p = na_tahu;
    PlayerState& h = hrac[p];
    probiha_akce = true;
    f.lbl_infotext->setText(QString());
    f.lbl_infotext->repaint();

    if (rozjede_se(p, h.x, h.nafta, smer)) {
        if (zvuk) {
            platform::play_sound("data/motor.wav");
            f.pauza(4100);
        }
        f.zpracuj_zpravy();
        const PlanJizdy plan = naplanuj_jizdu(p, h.x, h.nafta, smer, cil, bonus_x);
        const std::int32_t od = h.x;
        for (int i = 0; i < plan.kroku; ++i) {
            h.nafta -= nafta_za_krok;
            f.cgg_nadrz(p)->setProgress(h.nafta);
            kresli_tank(f.platno(), p, barva_nebe);
            h.x = od + i * plan.smer;
            h.y = zem_pod(h.x - 15) + 1;
            kresli_tank(f.platno(), p, 0);
            if (plan.bedna && i + 1 == plan.kroku) {
                seber_bonus(f);
                break;
            }
            f.ukaz();
            f.pauza(60);
        }
    }

    platform::stop_sound();
    probiha_akce = false;
}

void Tform_hra::img_krajinaMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int)
{
    // A click before the first round or after the game would drive a tank of a game
    // that is not on; before the first round, its set-up would then run inside the drive.
    if (probiha_akce || bez_kola())
        return;
    const int smer = smer_kliku(typ_hry, na_tahu, hrac[na_tahu], X);
    if (smer == 0)
        return;
    Akce akce(*this);
    TlacitkaVypnuta vypnuta(*this);
    jizda_tanku(*this, smer, X);
}
