#pragma once
// The shell's path and what it meets: plain functions over the game state, shared by the
// real flight and the computer's aiming so that both follow exactly the same physics.
#include "game/game_state.h"

enum class ImpactKind { zadny, mimo, tank1, tank2, bedna, zem };

constexpr double stupne_na_radiany = 0.017453292519943295;

struct Bod {
    std::int32_t x;
    std::int32_t y;
    friend bool operator==(const Bod&, const Bod&) = default;
};

// The barrel tip of a tank at (x, y) aiming at uhel: the launch point of its shell.
Bod hlaven(std::int32_t x, std::int32_t y, std::int32_t uhel);

// One shell's flight in closed form from its launch point: t grows by 0.4 per step and
// the position follows from T = 0.1 t.
class Let {
public:
    Let(Bod start, std::int32_t uhel, std::int32_t sila, std::int32_t vitr);
    // Advances t and computes the next position.
    Bod krok();
    Bod poloha() const { return poloha_; }
    double t() const { return t_; }

private:
    Bod start_;
    double a_;
    std::int32_t sila_;
    std::int32_t vitr_;
    double t_ = 0.0;
    Bod poloha_;
};

// The tank box of a tank at (x, y): columns x-32..x+2, rows y-9..y+1.
bool v_tanku(Bod b, std::int32_t x, std::int32_t y);
// The crate box at bonus_x: columns bonus_x-5..bonus_x+5, rows h-9..h.
bool v_bedne(Bod b, std::int32_t bonus, const Heightmap& h);

// The outcome tests in their order: sides, player 1's box, player 2's box, the crate
// (only when s_bednou and a crate lies), the ground. zadny while the shell flies on.
ImpactKind vyhodnot(Bod b, const PlayerState (&hraci)[2], std::int32_t bonus,
                    const Heightmap& h, bool s_bednou);

// Flies a whole path without drawing and returns where and how it ended.
struct KonecLetu {
    ImpactKind vysledek;
    Bod bod;
};
KonecLetu simuluj_let(Bod start, std::int32_t uhel, std::int32_t sila, std::int32_t vitr,
                      const PlayerState (&hraci)[2], std::int32_t bonus, const Heightmap& h,
                      bool s_bednou);
