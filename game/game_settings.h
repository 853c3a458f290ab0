#pragma once
// What a game takes from the settings window: once when it starts, and nothing after,
// except the shop's own look at the sound switch each time it opens.
#include "game/colors.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct GameSettings {
    // Left empty where the settings leave the game's value as it is: no game-type button
    // checked, a speed position off the table, or a game not against the computer, which
    // keeps the skill of the last such game.
    std::optional<std::int32_t> typ_hry;
    std::optional<std::int32_t> obtiznost;
    std::optional<std::int32_t> zpozdeni;
    bool zvuk = true;
    Color barva[2] = {0, 0};
    std::string jmeno[2];
};

// Answered by the settings window while it exists; empty otherwise, and then a game keeps
// the values it has and the shop is silent.
extern std::function<GameSettings()> nastaveni_hry;
extern std::function<bool()> zvuk_v_nastaveni;

// Into the game variables: everything but the names, which only the battlefield shows.
void prevezmi(const GameSettings& n);
