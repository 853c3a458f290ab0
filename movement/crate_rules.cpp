#include "movement/crate_rules.h"

bool zakazany_sloupec(int c, const PlayerState (&hraci)[2])
{
    if (c >= 298 && c <= 492)
        return true;
    for (const PlayerState& p : hraci)
        if (c >= p.x - 45 && c <= p.x + 20)
            return true;
    return false;
}

std::int32_t misto_bedny(std::int32_t bonus_x, const PlayerState (&hraci)[2])
{
    if (bonus_x != 0)
        return 0;
    const int c = 15 + nahoda(W - 30);
    // A forbidden column means no crate this time; the next change of turn tries again.
    return zakazany_sloupec(c, hraci) ? 0 : c;
}

Bonus vylosuj_bonus()
{
    const std::int32_t k = nahoda(8);
    if (k == 0)
        return {DruhBonusu::kredity, 0, "Bonus: 1000 kreditu."};
    // Draws 1..4 are the four projectile kinds in their own order.
    if (k <= mega_nuke)
        return {DruhBonusu::strela, k, std::string("Bonus: ") + nazvy_zbrani[k] + "."};
    if (k == 5)
        return {DruhBonusu::energie, 0, "Bonus: Plna energie."};
    return {DruhBonusu::nafta, 0, "Bonus: Plna nadrz."};
}

void pripis_bonus(PlayerState& h, const Bonus& b)
{
    switch (b.druh) {
    case DruhBonusu::kredity: h.penize += 1000; break;
    case DruhBonusu::strela: h.naboje[b.zbran] += 1; break;
    case DruhBonusu::energie: h.energie = plna_energie; break;
    case DruhBonusu::nafta: h.nafta = plna_nadrz; break;
    }
}

bool dotyk_bedny(std::int32_t x, int smer, std::int32_t bonus_x)
{
    if (bonus_x == 0)
        return false;
    return smer > 0 ? x >= bonus_x - 5 && x <= bonus_x + 22
                    : x >= bonus_x + 5 && x <= bonus_x + 32;
}

bool vybuch_zasahne_bednu(int X, int R, std::int32_t bonus_x)
{
    return X - R <= bonus_x + 5 && X + R >= bonus_x - 5;
}
