#pragma once
// What the monkey's rules compare: the game state that only the game's actions may change,
// and what a shop window shows.
#include "game/game_state.h"
#include "shop/tarvana_obchod.h"

#include <array>
#include <sstream>
#include <string>
#include <utility>

namespace monkey {

// The game state that only the game's actions may change. Aim (angle, power, weapon)
// is left out: its controls stay usable during a human's drive.
struct Snapshot {
    std::array<PlayerState, 2> h{};
    Heightmap v{};
    std::int32_t bonus = 0;
    std::int32_t tah = 0;

    static Snapshot now()
    {
        Snapshot s;
        s.h = {hrac[0], hrac[1]};
        s.v = vysky;
        s.bonus = bonus_x;
        s.tah = na_tahu;
        return s;
    }

    // Empty when equal, otherwise the first difference.
    std::string difference(const Snapshot& o) const
    {
        std::ostringstream d;
        for (int p = 0; p < 2; ++p) {
            const PlayerState& a = h[p];
            const PlayerState& b = o.h[p];
            const std::pair<const char*, std::pair<int, int>> pole[] = {
                {"penize", {a.penize, b.penize}}, {"energie", {a.energie, b.energie}},
                {"nafta", {a.nafta, b.nafta}},    {"stav", {a.stav, b.stav}},
                {"x", {a.x, b.x}},                {"y", {a.y, b.y}},
                {"naboje[1]", {a.naboje[1], b.naboje[1]}},
                {"naboje[2]", {a.naboje[2], b.naboje[2]}},
                {"naboje[3]", {a.naboje[3], b.naboje[3]}},
                {"naboje[4]", {a.naboje[4], b.naboje[4]}},
            };
            for (const auto& [jmeno, hodnoty] : pole)
                if (hodnoty.first != hodnoty.second) {
                    d << "hrac[" << p << "]." << jmeno << " " << hodnoty.first << " -> "
                      << hodnoty.second;
                    return d.str();
                }
        }
        if (bonus != o.bonus)
            d << "bonus_x " << bonus << " -> " << o.bonus;
        else if (tah != o.tah)
            d << "na_tahu " << tah << " -> " << o.tah;
        else if (v != o.v)
            d << "vysky changed";
        return d.str();
    }
};

// What a shop window shows, read the way the shop reads it.
struct ShopView {
    int kredit = 0;
    int energie = 0;
    int nafta = 0;
    std::array<int, pocet_zbrani> naboje{};

    static ShopView of(const Tform_obchod& o)
    {
        ShopView v;
        v.kredit = cele_cislo(o.lbl_stav_kredit->text());
        v.energie = cele_cislo(o.lbl_stav_energie->text());
        v.nafta = cele_cislo(o.lbl_stav_nafta->text());
        v.naboje[1] = cele_cislo(o.lbl_naboje_stredni->text());
        v.naboje[2] = cele_cislo(o.lbl_naboje_velka->text());
        v.naboje[3] = cele_cislo(o.lbl_naboje_mini->text());
        v.naboje[4] = cele_cislo(o.lbl_naboje_mega->text());
        return v;
    }
    bool operator==(const ShopView&) const = default;
};

} // namespace monkey
