#include "combat/weapons.h"

const WeaponEffect ucinky_zbrani[pocet_zbrani] = {
    // krater dosah okoli(base, spread) primy(base, spread)
    {0, 0, 0, 0, 15, 10},      // Zakladni strela
    {15, 15, 15, 10, 25, 20},  // Stredni strela
    {25, 25, 30, 10, 45, 20},  // Velka strela
    {10, 10, 70, 15, 85, 30},  // Mini Nuke
    {20, 20, 90, 25, 115, 35}, // Mega Nuke
};

bool v_dosahu(std::int32_t X, std::int32_t Y, std::int32_t r, std::int32_t x, std::int32_t y)
{
    return x - 30 - r <= X && X <= x + r && y - 7 - r <= Y && Y <= y + 1 + r;
}
