#include "combat/round_end.h"

#include "combat/explosions.h"
#include "game/platform.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"

void zniceni_tanku(BojistePohled& f, int porazeny)
{
    if (zvuk)
        platform::play_sound("data/vybuch.wav");
    // Where the tank stood during the shot: it settles onto the crater only afterwards.
    const PlayerState& s = hrac[porazeny];
    vybuch_strely(f, s.x - 15, s.y - 4, 30);
    const int vitez = porazeny == 1 ? 0 : 1;
    ++hrac[vitez].stav;
    for (int p = 0; p < 2; ++p)
        f.nastav_body(p, hrac[p].stav);
    f.pauza(1000);
    f.nove_kolo(vitez);
}
