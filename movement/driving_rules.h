#pragma once
// Who may drive, how far a drive goes and what it burns.
#include "game/game_state.h"

constexpr std::int32_t nafta_za_krok = 1;

// Whether player p drives by mouse on this computer in game type typ_hry.
bool ridi_mysi(std::int32_t typ_hry, int p);

// The drive a click at column X starts for player p (+1 right, -1 left), 0 for none: not
// this player's to drive here, no fuel, or the tank's centre already over X.
int smer_kliku(std::int32_t typ_hry, int p, const PlayerState& h, int X);

// Whether the tank of player p, standing at x, may not take another step that way: player
// 1 keeps to columns 40..298, player 2 to 492..W.
bool na_kraji(int p, std::int32_t x, int smer);

// Whether a drive starts at all (with its motor sound and wait): a direction, room on that
// side and fuel in the tank.
bool rozjede_se(int p, std::int32_t x, std::int32_t nafta, int smer);

// A drive toward target column cil: step i puts the tank at x + i * smer, each step
// burns nafta_za_krok, the first one on the column it stands on, so n columns cost n + 1.
struct PlanJizdy {
    int smer = 0;       // +1 or -1
    int kroku = 0;      // steps taken; 0 when the drive does not start or goes nowhere
    bool bedna = false; // the last step touches the crate, which ends the drive
};
PlanJizdy naplanuj_jizdu(int p, std::int32_t x, std::int32_t nafta, int smer, int cil,
                         std::int32_t bonus_x);
