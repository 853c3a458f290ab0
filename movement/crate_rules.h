#pragma once
// Where a crate may land, what it gives, and what touches or destroys it.
#include "game/game_state.h"

#include <string>

// The no-man's-land between the two sides, and the ground just around a tank (45 columns
// to its left, 20 to its right), so that nobody gets a crate without driving for it.
bool zakazany_sloupec(int c, const PlayerState (&hraci)[2]);

// The column of a new crate: one draw of a candidate column 15..W-16, 0 when it is
// forbidden. Nothing is drawn while a crate lies (bonus_x not 0), and the answer is 0.
std::int32_t misto_bedny(std::int32_t bonus_x, const PlayerState (&hraci)[2]);

enum class DruhBonusu { kredity, strela, energie, nafta };

struct Bonus {
    DruhBonusu druh;
    std::int32_t zbran; // the projectile kind of a strela bonus
    std::string zprava;
};

// One draw of nahoda(8): 1000 credits, one of the four projectile kinds, full energy, or
// (twice as likely) a full tank.
Bonus vylosuj_bonus();
// The bonus given to the player who picked it up.
void pripis_bonus(PlayerState& h, const Bonus& b);

// Whether a tank at x driving that way (+1 right, -1 left) touches the crate at bonus_x:
// the window lies ahead of the tank in either direction.
bool dotyk_bedny(std::int32_t x, int smer, std::int32_t bonus_x);

// Whether an explosion of radius R centred on column X reaches the crate's columns; only
// columns count, not rows.
bool vybuch_zasahne_bednu(int X, int R, std::int32_t bonus_x);
