#pragma once
class Tform_hra;

// Tries to drop a crate on an allowed column.
void umisti_bonus(Tform_hra& f);
// Gives the crate's bonus to the player na_tahu and removes it.
void seber_bonus(Tform_hra& f);
