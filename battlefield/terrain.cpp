#include "battlefield/terrain.h"

namespace {

constexpr std::int32_t nejvyssi_zem = 250;
constexpr std::int32_t nejnizsi_zem = 375;
// A new slope is drawn at every multiple of this many columns.
constexpr int delka_svahu = 25;

std::int32_t omez(std::int32_t h) { return std::clamp(h, nejvyssi_zem, nejnizsi_zem); }

} // namespace

void vytvor_krajinu()
{
    // The order of the draws is part of the landscape: one seed gives one landscape.
    vysky[0] = omez(nahoda(30) + 300);
    std::int32_t svah = 0;
    for (int c = 1; c <= W; ++c) {
        if (c % delka_svahu == 0)
            svah = nahoda(3) - 1;
        vysky[c] = omez(vysky[c - 1] + nahoda(2) * svah);
    }
    hrac[0].x = 100;
    hrac[0].y = radek_tanku(hrac[0].x);
    hrac[1].x = W - 100;
    hrac[1].y = radek_tanku(hrac[1].x);
}
