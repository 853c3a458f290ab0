#pragma once
class Tform_hra;

// Fires the selected weapon of the player na_tahu and resolves the whole shot: flight,
// impact, damage, rewards, a round end, and both tanks settled and redrawn.
void let_strely(Tform_hra& f);
// The muzzle flash at (X, Y).
void zablesk(Tform_hra& f, int X, int Y);
// Disables the eight battle controls of both players (angle, power, weapon, shop, fire).
void zakaz_ovladani(Tform_hra& f);
