#include "computer/power_search.h"

#include <algorithm>

Mireni hledej_silu(const PlayerState (&hraci)[2], std::int32_t vitr, const Heightmap& h)
{
    const PlayerState& ja = hraci[1];
    const Bod start = hlaven(ja.x, ja.y, ja.uhel);
    Mireni m{prvni_zkousena_sila - 1, KonecLetu{ImpactKind::zadny, start}};
    do {
        ++m.sila;
        m.konec = simuluj_let(start, ja.uhel, m.sila, vitr, hraci, 0, h, false);
    } while (m.konec.vysledek != ImpactKind::tank1 && m.sila < nejvetsi_sila);
    return m;
}

Namireni nahradni_namireni()
{
    Namireni n{};
    n.sila = 70 + nahoda(30);
    n.uhel = 110 + nahoda(30);
    return n;
}

namespace {

// error = posun - nahoda(rozsah), by Difficulty: the better the player, the smaller.
struct Chyba {
    std::int32_t posun;
    std::int32_t rozsah;
};
constexpr Chyba chyby[] = {{10, 20}, {8, 16}, {6, 12}, {5, 10}, {4, 8}};

} // namespace

std::int32_t pokazena_sila(std::int32_t sila, std::int32_t obtiznost)
{
    const Chyba& c = chyby[std::clamp(obtiznost, 0, 4)];
    return std::clamp(sila + c.posun - nahoda(c.rozsah), 10, nejvetsi_sila);
}
