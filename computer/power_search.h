#pragma once
// The computer's aim: the first power that carries a shell from player 2's barrel into
// player 1's tank box. Pure over the state it is given, so it can be tried without a window.
#include "combat/ballistics.h"

constexpr std::int32_t prvni_zkousena_sila = 20;
constexpr std::int32_t nejvetsi_sila = 200;

struct Mireni {
    // The power the search stopped at: the first hit, or 200 when none came sooner.
    std::int32_t sila;
    // Where and how the path of that power ended.
    KonecLetu konec;
};

// Tries the powers 20, 21, ... 200 at player 2's uhel from its barrel tip, with the
// flight's own steps and outcome tests but without the crate, which the aim ignores.
Mireni hledej_silu(const PlayerState (&hraci)[2], std::int32_t vitr, const Heightmap& h);

struct Namireni {
    std::int32_t sila;
    std::int32_t uhel;
};
// When nothing reached player 1 in time: a plain lob at a middling angle, power 70..99
// drawn first, then angle 110..139.
Namireni nahradni_namireni();

// The aim spoilt by the skill-dependent power error (one nahoda draw), kept within 10..200.
std::int32_t pokazena_sila(std::int32_t sila, std::int32_t obtiznost);
