#include "game/game_settings.h"

#include "game/game_state.h"

std::function<GameSettings()> nastaveni_hry;
std::function<bool()> zvuk_v_nastaveni;

void prevezmi(const GameSettings& n)
{
    zvuk = n.zvuk;
    if (n.zpozdeni)
        zpozdeni = *n.zpozdeni;
    hrac[0].barva = n.barva[0];
    hrac[1].barva = n.barva[1];
    if (n.typ_hry)
        typ_hry = *n.typ_hry;
    if (n.obtiznost)
        obtiznost = *n.obtiznost;
}
