#include "combat/explosion_rules.h"

#include <algorithm>

#include "combat/weapons.h"

#include <cmath>
#include <cstdlib>

namespace {

// The message only when something was earned.
std::string zprava_o_odmene(const char* za, std::int32_t odmena)
{
    if (odmena == 0)
        return {};
    return za + std::to_string(odmena) + " kreditu!";
}

// The opponent's loss at `za_bod` a point, and the bonus for leaving it without energy.
std::int32_t odmena_za(std::int32_t za_bod, std::int32_t pred, std::int32_t po, bool zakladni)
{
    std::int32_t odmena = za_bod * (pred - po);
    if (zakladni && odmena > 0)
        odmena += odmena_zakladni_primy;
    if (po <= 0)
        odmena += odmena_zniceni;
    return odmena;
}

} // namespace

Zasah spocti_primy_zasah(const PlayerState (&hraci)[2], int strelec, int zasazeny)
{
    const int souper = 1 - strelec;
    const std::int32_t zbran = hraci[strelec].zbran;
    const WeaponEffect& u = ucinky_zbrani[zbran];
    Zasah z;
    z.ztrata[zasazeny] = u.primy_zaklad + U(u.primy_rozptyl);
    const std::int32_t pred = hraci[souper].energie;
    z.odmena = odmena_za(odmena_primy_bod, pred, pred - z.ztrata[souper],
                         zbran == zakladni_strela);
    z.zprava = zprava_o_odmene(" ziskava za primy zasah ", z.odmena);
    return z;
}

Zasah spocti_zasah_okoli(const PlayerState (&hraci)[2], int strelec, std::int32_t zbran, Bod b)
{
    const int souper = 1 - strelec;
    const WeaponEffect& u = ucinky_zbrani[zbran];
    Zasah z;
    for (int p : {0, 1}) {
        const PlayerState& s = hraci[p];
        if (v_dosahu(b.x, b.y, u.dosah, s.x, s.y))
            z.ztrata[p] = u.okoli_zaklad + U(u.okoli_rozptyl);
    }
    // Damage to the shooter's own tank neither costs nor pays.
    const std::int32_t pred = hraci[souper].energie;
    z.odmena = odmena_za(odmena_okoli_bod, pred, pred - z.ztrata[souper], false);
    z.zprava = zprava_o_odmene(" ziskava za zasah ", z.odmena);
    return z;
}

namespace {

// The ground only ever falls, never below the picture.
void prohloub(Heightmap& h, std::vector<Prohloubeni>& sloupce, int sloupec, std::int32_t dno)
{
    std::int32_t& v = h[sloupec];
    const std::int32_t pred = v;
    if (v < dno)
        v = dno;
    if (v > H)
        v = H;
    sloupce.push_back({sloupec, pred, v});
}

} // namespace

std::vector<Prohloubeni> prohloub_krater(Heightmap& h, int X, int Y, int R)
{
    std::vector<Prohloubeni> sloupce;
    sloupce.reserve(static_cast<std::size_t>(2 * std::max(R, 0) + 1));
    for (int i = 1; i <= R; ++i) {
        const auto dno = static_cast<std::int32_t>(Y + std::sqrt(std::abs((R - i) * (R + i))));
        if (X - i >= 0)
            prohloub(h, sloupce, X - i, dno);
        if (X + i <= W)
            prohloub(h, sloupce, X + i, dno);
    }
    if (X >= 0 && X <= W)
        prohloub(h, sloupce, X, Y + R);
    return sloupce;
}

std::vector<Prohloubeni> prohloub_maly_krater(Heightmap& h, int x)
{
    constexpr std::int32_t hloubka[4] = {1, 2, 2, 1};
    std::vector<Prohloubeni> sloupce;
    sloupce.reserve(4);
    for (int k = 0; k < 4; ++k) {
        const int s = x + k;
        // Near the right edge the dent would reach past the heightmap's last column.
        if (s < 0 || s >= static_cast<int>(h.size()))
            continue;
        prohloub(h, sloupce, s, h[s] + hloubka[k]);
    }
    return sloupce;
}
