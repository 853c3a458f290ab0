#pragma once
class BojistePohled;

// Tries to drop a crate on an allowed column.
void umisti_bonus(BojistePohled& f);
// Gives the crate's bonus to the player na_tahu and removes it.
void seber_bonus(BojistePohled& f);
