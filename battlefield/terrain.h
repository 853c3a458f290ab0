#pragma once
// The landscape's height profile and where the tanks stand on it.
#include "game/game_state.h"

#include <algorithm>

// Generates vysky[0..W] with nahoda (seeded by the round set-up) and stands both tanks on it.
void vytvor_krajinu();

// The heightmap column a tank at x stands on. A tank's centre is x - 15; a tank pushed
// against an edge would put that outside the generated columns, so it stands on the
// nearest one instead of reading beyond the array.
inline int stredni_sloupec(std::int32_t x) { return std::clamp<std::int32_t>(x - 15, 0, W); }

// A tank's row from the ground under its centre column x - 15.
inline std::int32_t radek_tanku(std::int32_t x) { return vysky[stredni_sloupec(x)] + 1; }
