#pragma once
// Colours are 0x00BBGGRR values, as the game has always stored them.
#include <array>
#include <cstdint>

using Color = std::uint32_t;

constexpr Color clBlack = 0x00000000;
constexpr Color clMaroon = 0x00000080;
constexpr Color clGreen = 0x00008000;
constexpr Color clOlive = 0x00008080;
constexpr Color clNavy = 0x00800000;
constexpr Color clPurple = 0x00800080;
constexpr Color clTeal = 0x00808000;
constexpr Color clGray = 0x00808080;
constexpr Color clSilver = 0x00C0C0C0;
constexpr Color clRed = 0x000000FF;
constexpr Color clLime = 0x0000FF00;
constexpr Color clYellow = 0x0000FFFF;
constexpr Color clBlue = 0x00FF0000;
constexpr Color clFuchsia = 0x00FF00FF;
constexpr Color clAqua = 0x00FFFF00;
constexpr Color clWhite = 0x00FFFFFF;
constexpr Color clMoneyGreen = 0x00C0DCC0;
constexpr Color clSkyBlue = 0x00F0CAA6;
constexpr Color clCream = 0x00F0FBFF;
constexpr Color clMedGray = 0x00A4A0A0;

// Plain sky below the sky picture, and the colour everything is erased with.
constexpr Color barva_nebe = 0x00FDBDA5;

struct NamedColor {
    Color value;
    const char* name;
};

// The colour pickers' 20 colours in their order: the 16 standard ones, then the 4 extended.
constexpr std::array<NamedColor, 20> barvy_vyberu{{
    {clBlack, "Cerna"},       {clMaroon, "Hneda"},    {clGreen, "Zelena"},
    {clOlive, "Olivova"},     {clNavy, "Namornicka"}, {clPurple, "Fialova"},
    {clTeal, "Modrozelena"},  {clGray, "Seda"},       {clSilver, "Stribrna"},
    {clRed, "Cervena"},       {clLime, "Limetkova"},  {clYellow, "Zluta"},
    {clBlue, "Modra"},        {clFuchsia, "Ruzova"},  {clAqua, "Azurova"},
    {clWhite, "Bila"},        {clMoneyGreen, "Penezni zelena"},
    {clSkyBlue, "Nebeska modra"}, {clCream, "Smetanova"}, {clMedGray, "Stredne seda"},
}};
