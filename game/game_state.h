#pragma once
// The state of a game in progress: module-level variables that the battlefield, the shop
// and the computer read and write directly.
#include "game/colors.h"

#include <array>
#include <cstdint>
#include <memory>

class QImage;

enum WeaponKind : std::int32_t {
    zakladni_strela = 0,
    stredni_strela = 1,
    velka_strela = 2,
    mini_nuke = 3,
    mega_nuke = 4,
};
constexpr int pocet_zbrani = 5;
// Item texts of the weapon combo boxes, in WeaponKind order.
extern const char* const nazvy_zbrani[pocet_zbrani];

enum GameMode : std::int32_t {
    dva_hraci = 0,
    proti_pocitaci = 1,
    sit_server = 2,
    sit_klient = 3,
};

enum Difficulty : std::int32_t {
    trenink = 0,
    zacatecnik = 1,
    pokrocily = 2,
    profesional = 3,
    expert = 4,
};

struct PlayerState {
    std::int32_t penize = 0;
    std::int32_t energie = 0;
    std::int32_t nafta = 0;
    std::int32_t stav = 0;
    // Indexed by WeaponKind; element 0 is the unlimited basic shell and is never used.
    std::array<std::int32_t, pocet_zbrani> naboje{};
    std::int32_t uhel = 0;
    std::int32_t sila = 0;
    std::int32_t zbran = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    Color barva = 0;
};

// Battlefield picture height, and the width every column loop uses: the battlefield
// window's outer width, its 784-pixel client area plus a 3-pixel frame on each side.
constexpr int H = 424;
constexpr int W = 790;
static_assert(W <= 800, "the heightmap and the picture have 801 and 800 columns");

using Heightmap = std::array<std::int32_t, 801>;

extern PlayerState hrac[2];
extern Heightmap vysky;

extern std::int32_t vitr;
extern std::int32_t na_tahu;
extern std::int32_t typ_hry;
extern std::int32_t obtiznost;
extern std::int32_t zpozdeni;
extern bool zvuk;
extern std::int32_t bonus_x;
extern bool probiha_akce;
// The sky picture belongs to the battlefield window's side (game/sky_picture.cpp), so that
// the state and the rules built on it need no picture library.
extern std::unique_ptr<QImage> nebe;

// 0 for n = 0, otherwise uniform in 0..|n|-1, negative n included.
std::int32_t nahoda(std::int32_t n);

// scr_rychlost position -> milliseconds slept per flight step.
constexpr std::array<std::int32_t, 7> tabulka_zpozdeni{15, 10, 7, 4, 2, 1, 0};

// The economy, shared by the shop and the computer's purchases.
constexpr std::array<std::int32_t, pocet_zbrani> cena_strely{0, 290, 590, 890, 1290};
constexpr std::int32_t cena_nafty = 50;
constexpr std::int32_t davka_nafty = 10;
constexpr std::int32_t plna_nadrz = 100;
constexpr std::int32_t cena_energie = 150;
constexpr std::int32_t davka_energie = 10;
constexpr std::int32_t plna_energie = 200;

// The game variables, the players and the heightmap back to the values the program starts
// with; the sky picture is left alone.
void obnov_promenne_hry();
// All of that and the sky picture released (tests begin every case here). Defined beside
// the sky picture.
void obnov_pocatecni_stav();
