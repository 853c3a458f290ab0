#pragma once
// The landscape's height profile and where the tanks stand on it.
#include "game/game_state.h"

#include <algorithm>

// A new profile in h[0..W], drawn with nahoda (seeded by the round set-up); the columns
// beyond W are left as they are.
void vytvor_profil(Heightmap& h);

// Where player p's tank stands when a round starts: the column of its right edge.
constexpr std::int32_t pocatecni_x(int p) { return p == 0 ? 100 : W - 100; }

// The heightmap column a tank at x stands on. A tank's centre is x - 15; a tank pushed
// against an edge would put that outside the generated columns, so it stands on the
// nearest one instead of reading beyond the array.
inline int stredni_sloupec(std::int32_t x) { return std::clamp<std::int32_t>(x - 15, 0, W); }

// A tank's row from the ground under its centre column x - 15.
inline std::int32_t radek_tanku(const Heightmap& h, std::int32_t x)
{
    return h[static_cast<std::size_t>(stredni_sloupec(x))] + 1;
}
inline std::int32_t radek_tanku(std::int32_t x) { return radek_tanku(vysky, x); }

// A new profile in vysky and both tanks standing on it.
void vytvor_krajinu();
