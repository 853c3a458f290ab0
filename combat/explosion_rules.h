#pragma once
// What an impact does to the tanks, to the shooter's credits and to the ground, without
// the fire, the flashes and the labels that show it.
#include "combat/ballistics.h"

#include <array>
#include <string>
#include <vector>

// One hit: the energy each player's tank loses, the credits the shooter earns for it, and
// what the info line says after the shooter's name (empty when nothing was earned).
struct Zasah {
    std::array<std::int32_t, 2> ztrata{};
    std::int32_t odmena = 0;
    std::string zprava;
};

// A direct hit on player zasazeny's tank with the weapon strelec has selected: one damage
// draw. Only the opponent's loss pays; a kill adds its bonus.
Zasah spocti_primy_zasah(const PlayerState (&hraci)[2], int strelec, int zasazeny);

// A blast of weapon zbran at b: a damage draw for each tank it reaches, player 1's first.
Zasah spocti_zasah_okoli(const PlayerState (&hraci)[2], int strelec, std::int32_t zbran, Bod b);

// One column of a crater: its surface row before and after.
struct Prohloubeni {
    int sloupec;
    std::int32_t pred;
    std::int32_t po;
};

// The ground under a circle of radius R around (X, Y) falls to the circle's lower edge,
// never rising and never below the picture. Returns the columns visited, in order.
std::vector<Prohloubeni> prohloub_krater(Heightmap& h, int X, int Y, int R);

// The basic shell's dent in columns x..x+3, one row deep outside and two inside.
std::vector<Prohloubeni> prohloub_maly_krater(Heightmap& h, int x);
