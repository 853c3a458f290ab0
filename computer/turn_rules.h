#pragma once
// The computer's decisions in its turn, each drawn in the order the turn makes them and
// returned for the window code to carry out.
#include "game/game_state.h"

#include <array>
#include <optional>

// How far a crate may lie for the computer to go and fetch it.
constexpr std::int32_t dosah_bedny = 100;

struct CestaProBednu {
    bool jet = false;        // goes for the crate
    bool natankovat = false; // the crate is farther than the fuel: fill up first
    int smer = 0;            // +1 right, -1 left; the drive's target is the crate's column
};
// One coin, tossed only for a crate lying within reach.
CestaProBednu cesta_pro_bednu(const PlayerState& ja, std::int32_t bonus_x);

// Whether energy is bought: the threshold is drawn only when a load can be paid.
bool kupuje_energii(const PlayerState& ja, std::int32_t obtiznost);

// Whether a hurt tank drives away: the danger roll, then (only when in danger) the skill's
// chance, 5/6 at Trenink down to 1/2 at Expert.
bool ujizdi(const PlayerState& ja, std::int32_t obtiznost);
// Whether it buys fuel before driving away.
bool tankuje_na_utek(const PlayerState& ja);

struct Jizda {
    int smer;
    std::int32_t cil;
};
// Where it drives away to, with the fuel it has after buying: nothing below 19 units and
// no draw; otherwise a coin (tossed even when the right edge leaves no choice), then the
// distance.
std::optional<Jizda> kam_ujet(const PlayerState& ja);

struct VolbaZbrane {
    std::int32_t zbran = zakladni_strela;
    // The kinds bought on the way, by WeaponKind, in the order 1..4.
    std::array<bool, pocet_zbrani> koupit{};
};
// One roll for each kind 1..4 (none where the argument is 0): the heaviest kind whose roll
// comes up and that it holds, or can pay more than the price for, wins.
VolbaZbrane volba_zbrane(const PlayerState& ja, std::int32_t obtiznost);

// The angle scroll bar's position P: 31..80 in a wind below 2, otherwise 26..50.
std::int32_t poloha_uhlu(std::int32_t vitr);
