#include "combat/flight.h"
#include "combat/wind.h"
#include "computer/computer_turn.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "movement/crates.h"

void Tform_hra::btn_palClick()
{
    // Enter or a click that slips through while a shot, a drive or the shop runs starts
    // nothing: one action at a time. Alt+P clicks 100 ms late, even when the button has
    // been disabled meanwhile (a kind with no shells chosen, say) or the game closed: no
    // shot then either.
    if (bezi_akce() || bez_kola() || !btn_pal->isEnabled())
        return;
    Akce akce(*this);
    probiha_akce = true;
    zakaz_ovladani(*this);
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
