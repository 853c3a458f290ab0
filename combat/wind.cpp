#include "combat/wind.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"

void novy_vitr(BojistePohled& f)
{
    vitr = nahoda(11) - 5;
    f.nastav_vitr(popisek_vetru(vitr));
}
