#include "computer/turn_rules.h"

#include "computer/purchase_rules.h"

#include <cstdlib>

CestaProBednu cesta_pro_bednu(const PlayerState& ja, std::int32_t bonus_x)
{
    CestaProBednu c;
    const std::int32_t d = std::abs(bonus_x - ja.x);
    if (bonus_x == 0 || d > dosah_bedny || nahoda(2) == 0)
        return c;
    c.jet = true;
    c.natankovat = d > ja.nafta;
    c.smer = bonus_x >= ja.x ? +1 : -1;
    return c;
}

bool kupuje_energii(const PlayerState& ja, std::int32_t obtiznost)
{
    if (!lze_koupit(energie_zbozi, ja.penize))
        return false;
    const std::int32_t r = nahoda(80 - 5 * obtiznost);
    return ja.energie <= 190 - r;
}

bool ujizdi(const PlayerState& ja, std::int32_t obtiznost)
{
    const std::int32_t r = nahoda(50);
    return ja.energie <= 150 - r && nahoda(6 - obtiznost) != 0;
}

bool tankuje_na_utek(const PlayerState& ja)
{
    return ja.nafta <= 50 && lze_koupit(nafta_zbozi, ja.penize);
}

std::optional<Jizda> kam_ujet(const PlayerState& ja)
{
    if (ja.nafta < 19)
        return std::nullopt;
    if (nahoda(2) != 0 && ja.x < W - 40)
        return Jizda{+1, ja.x + 40 + nahoda(60)};
    return Jizda{-1, ja.x - 40 - nahoda(60)};
}

VolbaZbrane volba_zbrane(const PlayerState& ja, std::int32_t obtiznost)
{
    VolbaZbrane v;
    PlayerState po_nakupech = ja;
    for (int k = stredni_strela; k < pocet_zbrani; ++k) {
        if (nahoda(4 * k - 2 * obtiznost) != 0)
            continue;
        if (po_nakupech.naboje[static_cast<std::size_t>(k)] >= 1) {
            v.zbran = k;
        } else if (po_nakupech.penize > cena_strely[static_cast<std::size_t>(k)]) {
            kup_strelu(po_nakupech, k);
            v.koupit[static_cast<std::size_t>(k)] = true;
            v.zbran = k;
        }
    }
    return v;
}

std::int32_t poloha_uhlu(std::int32_t vitr)
{
    return vitr < 2 ? 80 - nahoda(50) : 50 - nahoda(25);
}
