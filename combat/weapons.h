#pragma once
// What each WeaponKind does when it goes off, and what a hit pays.
#include "game/game_state.h"

struct WeaponEffect {
    std::int32_t krater;        // crater radius R (0: the basic shell's small dent)
    std::int32_t dosah;         // blast reach r
    std::int32_t okoli_zaklad;  // blast damage base + U(okoli_rozptyl)
    std::int32_t okoli_rozptyl;
    std::int32_t primy_zaklad;  // direct-hit damage base + U(primy_rozptyl)
    std::int32_t primy_rozptyl;
};

extern const WeaponEffect ucinky_zbrani[pocet_zbrani];

// U(n): a uniform integer 0..n inclusive.
inline std::int32_t U(std::int32_t n) { return nahoda(n + 1); }

constexpr std::int32_t odmena_primy_bod = 10;
constexpr std::int32_t odmena_zakladni_primy = 500;
constexpr std::int32_t odmena_okoli_bod = 5;
constexpr std::int32_t odmena_zniceni = 1000;

// Whether a blast of reach r at (X, Y) reaches the tank at (x, y): a rectangle around its body.
bool v_dosahu(std::int32_t X, std::int32_t Y, std::int32_t r, std::int32_t x, std::int32_t y);
