#pragma once
// What a screen reader is told of the battle that a sighted player reads off the picture:
// whose turn it is and how the tanks stand, who fires what, where the shell came down,
// how a round ended. Plain texts from plain data; none of it is shown on the screen.
#include "game/game_state.h"

#include <QString>
#include <array>

// Where a player's last shell of the round came down.
struct Dopad {
    enum class Kde { zadny, zasah, vlastni_tank, zem, mimo };
    Kde kde = Kde::zadny; // no shell yet this round
    std::int32_t sloupec = 0; // the column of a shell that came down on the ground
};
// By player index; a new round forgets them.
extern std::array<Dopad, 2> posledni_dopad;

// "175 z 200".
QString z_celku(std::int32_t hodnota, std::int32_t celek);
// "1 sloupec", "3 sloupce", "12 sloupcu".
QString sloupcu(std::int32_t n);

// Where shell d of one player came down, told against the other player's tank, which
// stands with its right edge at column cil_x: "zasah", "12 sloupcu vlevo od tanku
// soupere", "mimo bojiste". Empty before the first shell of the round.
QString kde_dopadla(const Dopad& d, std::int32_t cil_x);

// The same as it is said the moment the shell comes down: "Dopad 12 sloupcu vlevo od
// tanku soupere.", "Zasah."
QString text_dopadu(const Dopad& d, std::int32_t cil_x);

// The state of the battle when a turn begins: who moves, both energies, the wind, where the
// mover's last shell came down and how far apart the tanks stand.
QString text_tahu(const std::array<QString, 2>& jmeno, int na_tahu,
                  const PlayerState (&h)[2], std::int32_t vitr, const Dopad& dopad);

// A shot of player p as it leaves the barrel: "Strili Alena: Stredni strela, uhel 45,
// sila 70.", with the elevation above the horizontal on the side the barrel points to, as
// the angle labels show it.
QString text_vystrelu(const QString& jmeno, int p, const PlayerState& s);

// A round won by player vitez, and the score after it.
QString text_konce_kola(const std::array<QString, 2>& jmeno, int vitez,
                        const PlayerState (&h)[2]);
