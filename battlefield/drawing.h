#pragma once
// Drawing onto the battlefield picture. None of these shows anything on screen by itself;
// a caller that wants its change seen before a pause shows the picture itself.
#include "battlefield/canvas.h"
#include "game/game_state.h"

class QImage;

// Rows 0..199 from the sky picture, repeated from the origin (once per game).
void kresli_nebe(Canvas& c, const QImage& sky);
// Plain sky from row 200 down, then the ground of every column 0..W.
void kresli_krajinu(Canvas& c);
// The ground of columns a..b, skipping those outside 0..W.
void obnov_zem(Canvas& c, int a, int b);
// Player p's tank: mode 0 in its own colours, any other value as a silhouette in that
// colour; barva_nebe erases it and repairs the ground x-40..x+40.
void kresli_tank(Canvas& c, int p, Color mode);
// The crate at bonus_x with fill f; barva_nebe erases it.
void kresli_bonus(Canvas& c, Color f);
// The basic shell's dent in columns x..x+3.
void maly_krater(Canvas& c, int x);
