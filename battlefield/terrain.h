#pragma once
// The landscape's height profile and where the tanks stand on it.
#include "game/game_state.h"

// Generates vysky[0..W] with nahoda (seeded by the round set-up) and stands both tanks on it.
void vytvor_krajinu();

// A tank's row from the ground under its centre column x - 15.
inline std::int32_t radek_tanku(std::int32_t x) { return vysky[x - 15] + 1; }
