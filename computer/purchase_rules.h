#pragma once
// The computer's purchases as rules: how many loads of fuel or energy it buys in a row and
// what each costs, and what the info line says after the buyer's name.
#include "shop/shop_rules.h"

#include <functional>

constexpr const char* zprava_nafty = " kupuje naftu.";
constexpr const char* zprava_energie = " kupuje energii.";
// The message of a projectile of kind k (1..4).
const char* zprava_strely(int k);

// Loads of 10 fuel for player ja: the first always (the caller has decided, and it is
// bought even on credit), each further one while the credits cover it, the tank is not
// full and nahoda(n) gives 0, so n 1 fills the tank and n 2 goes on by a coin.
// po_davce shows each load before the next one is decided. Returns the loads bought.
int kupuj_naftu(PlayerState& ja, int n, const std::function<void()>& po_davce);

// Loads of 10 energy the same way: below 100 + 25 * obtiznost each further load is sure
// while the credits last, above it a coin (nahoda(2) not 0) decides.
int kupuj_energii(PlayerState& ja, std::int32_t obtiznost, const std::function<void()>& po_davce);

// One projectile of kind k: its price off the credits, one more in the count.
void kup_strelu(PlayerState& ja, int k);
