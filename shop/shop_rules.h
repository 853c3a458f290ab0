#pragma once
// The goods, what one purchase costs and brings, and which buy buttons the credits and
// the caps allow: the same numbers for the shop and for the computer's purchases.
#include "game/game_state.h"

struct Zbozi {
    std::int32_t cena;
    std::int32_t davka;
    std::int32_t strop; // 0 for no cap
};

constexpr Zbozi nafta_zbozi{cena_nafty, davka_nafty, plna_nadrz};
constexpr Zbozi energie_zbozi{cena_energie, davka_energie, plna_energie};
// One projectile of kind k (1..4), without a cap.
constexpr Zbozi strela_zbozi(int k) { return {cena_strely[static_cast<std::size_t>(k)], 1, 0}; }

struct PoNakupu {
    std::int32_t kredit;
    std::int32_t mnozstvi;
};

// One purchase: the full price, then the amount added, cut short at the cap, never the
// price.
PoNakupu nakup(const Zbozi& z, std::int32_t kredit, std::int32_t mnozstvi);

// The shop sells only what the credits cover.
constexpr bool lze_koupit(const Zbozi& z, std::int32_t kredit) { return kredit >= z.cena; }

// Which of the shop's buy buttons are enabled: each by its price, and the fuel and energy
// buttons off at a full tank or full energy whatever the credits.
struct TlacitkaObchodu {
    std::array<bool, pocet_zbrani> strely{}; // by WeaponKind; 0 is not sold
    bool nafta = false;
    bool energie = false;
};
TlacitkaObchodu tlacitka_obchodu(std::int32_t kredit, std::int32_t energie, std::int32_t nafta);
