#include "shop/shop_rules.h"

PoNakupu nakup(const Zbozi& z, std::int32_t kredit, std::int32_t mnozstvi)
{
    std::int32_t v = mnozstvi + z.davka;
    if (z.strop > 0 && v > z.strop)
        v = z.strop;
    return {kredit - z.cena, v};
}

TlacitkaObchodu tlacitka_obchodu(std::int32_t kredit, std::int32_t energie, std::int32_t nafta)
{
    TlacitkaObchodu t;
    for (int k = stredni_strela; k < pocet_zbrani; ++k)
        t.strely[static_cast<std::size_t>(k)] = lze_koupit(strela_zbozi(k), kredit);
    t.nafta = lze_koupit(nafta_zbozi, kredit) && nafta < nafta_zbozi.strop;
    t.energie = lze_koupit(energie_zbozi, kredit) && energie < energie_zbozi.strop;
    return t;
}
