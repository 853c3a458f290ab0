#pragma once
class BojistePohled;

// Fires the selected weapon of the player na_tahu and resolves the whole shot: flight,
// impact, damage, rewards, a round end, and both tanks settled and redrawn.
void let_strely(BojistePohled& f);
// The muzzle flash at (X, Y).
void zablesk(BojistePohled& f, int X, int Y);
