// The battlefield's action handlers: each runs one action of the game (a shot with the
// computer's answer, a shop visit, a drive), one at a time.
#include "combat/flight.h"
#include "combat/wind.h"
#include "computer/computer_turn.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "movement/crates.h"
#include "movement/driving.h"
#include "movement/driving_rules.h"
#include "shop/shop_visit.h"

namespace {

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

void Tform_hra::btn_palClick()
{
    // Enter or a click that slips through while a shot, a drive or the shop runs starts
    // nothing: one action at a time. Alt+P clicks 100 ms late, even when the button has
    // been disabled meanwhile (a kind with no shells chosen, say) or the game closed: no
    // shot then either, nor on a window that is closing.
    if (bezi_akce() || bez_kola() || zavira_se() || !btn_pal->isEnabled())
        return;
    Akce akce(*this);
    probiha_akce = true;
    zakaz_ovladani();
    let_strely(*this);
    novy_vitr(*this);
    na_tahu = na_tahu == 0 ? 1 : 0;
    if (na_tahu == 1 && typ_hry == proti_pocitaci) {
        zmena_tahu(*this);
        umisti_bonus(*this);
        tah_pocitace(*this);
        na_tahu = 0;
    }
    zmena_tahu(*this);
    umisti_bonus(*this);
}

void Tform_hra::btn_obchodClick()
{
    // Never a shop visit inside a running shot or drive, nor a second one inside this
    // one: Alt+O clicks the button 100 ms late, when Space may already have opened the
    // shop, and a new visit would release the window still open.
    if (probiha_akce || bezi_akce() || bez_kola() || zavira_se() || !btn_obchod->isEnabled())
        return;
    // A close of the battlefield asked for meanwhile waits until the shop is closed.
    Akce akce(*this);

    navsteva_obchodu(*this);
    const int p = na_tahu;
    // Energy may have been bought.
    popis_bojiste(*this);

    // A purchase may have brought shells for the selected weapon. The next thing to do
    // is to fire, so Enter fires, as when the turn began.
    btn_pal->setEnabled(muze_strilet(p));
    if (btn_pal->isEnabled())
        btn_pal->setFocus();
}

void Tform_hra::img_krajinaMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int)
{
    // A click before the first round or after the game would drive a tank of a game
    // that is not on; before the first round, its set-up would then run inside the drive.
    if (probiha_akce || bez_kola() || zavira_se())
        return;
    const int smer = smer_kliku(typ_hry, na_tahu, hrac[na_tahu], X);
    if (smer == 0)
        return;
    Akce akce(*this);
    TlacitkaVypnuta vypnuta(*this);
    jizda_tanku(*this, smer, X);
    // A crate may have brought energy.
    popis_bojiste(*this);
}

void Tform_hra::klavesa_jizdy(int smer)
{
    const PlayerState& h = hrac[na_tahu];
    img_krajinaMouseUp(Qt::NoButton, Qt::NoModifier, h.x - 15 + smer * krok_jizdy, 0);
}
