#include "game/game_state.h"

#include "game/platform.h"

const char* const nazvy_zbrani[pocet_zbrani] = {
    "Zakladni strela", "Stredni strela", "Velka strela", "Mini Nuke", "Mega Nuke",
};

PlayerState hrac[2];
Heightmap vysky{};

std::int32_t vitr = nahoda(11) - 5;
std::int32_t na_tahu = 0;
std::int32_t typ_hry = proti_pocitaci;
std::int32_t obtiznost = pokrocily;
std::int32_t zpozdeni = 2;
bool zvuk = true;
std::int32_t bonus_x = 0;
bool probiha_akce = false;

std::int32_t nahoda(std::int32_t n)
{
    if (n == 0)
        return 0;
    const std::int32_t v = platform::random_source().next31();
    return v % n; // a remainder of a non-negative value is never negative
}

void obnov_promenne_hry()
{
    hrac[0] = PlayerState{};
    hrac[1] = PlayerState{};
    vysky.fill(0);
    vitr = nahoda(11) - 5;
    na_tahu = 0;
    typ_hry = proti_pocitaci;
    obtiznost = pokrocily;
    zpozdeni = 2;
    zvuk = true;
    bonus_x = 0;
    probiha_akce = false;
}
