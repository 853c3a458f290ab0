#include "game/modal_dialog.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "shop/tarvana_obchod.h"

void Tform_hra::btn_obchodClick()
{
    // Never a shop visit inside a running shot or drive, nor a second one inside this
    // one: Alt+O clicks the button 100 ms late, when Space may already have opened the
    // shop, and a new visit would release the window still open.
    if (probiha_akce || bezi_akce() || bez_kola() || !btn_obchod->isEnabled())
        return;
    // A close of the battlefield asked for meanwhile waits until the shop is closed.
    Akce akce(*this);

    // Every visit gets a fresh shop; the last one is released rather than kept hidden.
    delete form_obchod;
    form_obchod = new Tform_obchod();
    form_obchod->bojiste = this;
    spust_modalne(*form_obchod);

    const int p = na_tahu;
    PlayerState& h = hrac[p];
    h.penize = cele_cislo(lbl_penize(p)->text());
    h.energie = cgg_energie(p)->progress();
    h.nafta = cgg_nadrz(p)->progress();
    for (int druh = stredni_strela; druh <= mega_nuke; ++druh)
        h.naboje[static_cast<std::size_t>(druh)] = cele_cislo(lbl_naboje(p, druh)->text());

    // A purchase may have brought shells for the selected weapon. The next thing to do
    // is to fire, so Enter fires, as when the turn began.
    btn_pal->setEnabled(muze_strilet(p));
    if (btn_pal->isEnabled())
        btn_pal->setFocus();
}
