#include "movement/driving_rules.h"

#include "movement/crate_rules.h"

bool ridi_mysi(std::int32_t typ_hry, int p)
{
    switch (typ_hry) {
    case dva_hraci: return true;
    case proti_pocitaci:
    case sit_server: return p == 0;
    case sit_klient: return p == 1;
    default: return false;
    }
}

int smer_kliku(std::int32_t typ_hry, int p, const PlayerState& h, int X)
{
    if (!ridi_mysi(typ_hry, p) || h.nafta <= 0)
        return 0;
    if (h.x < X + 15)
        return 1;
    if (h.x > X + 15)
        return -1;
    return 0;
}

bool na_kraji(int p, std::int32_t x, int smer)
{
    if (smer > 0)
        return (p == 0 && x >= 298) || x >= W;
    return (p == 1 && x <= 492) || x <= 40;
}

bool rozjede_se(int p, std::int32_t x, std::int32_t nafta, int smer)
{
    // An empty tank does not start: the first step would take fuel it has not got.
    return smer != 0 && !na_kraji(p, x, smer) && nafta > 0;
}

PlanJizdy naplanuj_jizdu(int p, std::int32_t x, std::int32_t nafta, int smer, int cil,
                         std::int32_t bonus_x)
{
    PlanJizdy plan;
    plan.smer = smer > 0 ? 1 : smer < 0 ? -1 : 0;
    if (!rozjede_se(p, x, nafta, plan.smer))
        return plan;
    const int konec = cil + 15;
    std::int32_t kde = x;
    for (int c = x; plan.smer > 0 ? c <= konec : c >= konec; c += plan.smer) {
        if (na_kraji(p, kde, plan.smer))
            break;
        nafta -= nafta_za_krok;
        kde = c;
        ++plan.kroku;
        if (dotyk_bedny(kde, plan.smer, bonus_x)) {
            plan.bedna = true;
            break;
        }
        if (nafta <= 0)
            break;
    }
    return plan;
}
