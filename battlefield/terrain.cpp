#include "battlefield/terrain.h"

namespace {

constexpr std::int32_t nejvyssi_zem = 250;
constexpr std::int32_t nejnizsi_zem = 375;
// A new slope is drawn at every multiple of this many columns.
constexpr int delka_svahu = 25;

std::int32_t omez(std::int32_t h) { return std::clamp(h, nejvyssi_zem, nejnizsi_zem); }

} // namespace

void vytvor_profil(Heightmap& h)
{
    // The order of the draws is part of the landscape: one seed gives one landscape.
    h[0] = omez(nahoda(30) + 300);
    std::int32_t svah = 0;
    for (int c = 1; c <= W; ++c) {
        if (c % delka_svahu == 0)
            svah = nahoda(3) - 1;
        h[c] = omez(h[c - 1] + nahoda(2) * svah);
    }
}

void vytvor_krajinu()
{
    vytvor_profil(vysky);
    for (int p : {0, 1}) {
        hrac[p].x = pocatecni_x(p);
        hrac[p].y = radek_tanku(hrac[p].x);
    }
}
