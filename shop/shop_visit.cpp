#include "shop/shop_visit.h"

#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "game/modal_dialog.h"
#include "shop/tarvana_obchod.h"

void navsteva_obchodu(BojistePohled& f)
{
    // Every visit gets a fresh shop; the last one is released rather than kept hidden.
    delete form_obchod;
    form_obchod = new Tform_obchod();
    form_obchod->bojiste = &f;
    spust_modalne(*form_obchod, f.okno());

    const int p = na_tahu;
    PlayerState& h = hrac[p];
    h.penize = cele_cislo(f.penize(p));
    h.energie = f.energie(p);
    h.nafta = f.nafta(p);
    for (int druh = stredni_strela; druh <= mega_nuke; ++druh)
        h.naboje[static_cast<std::size_t>(druh)] = cele_cislo(f.naboje(p, druh));
}
