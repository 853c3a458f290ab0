#pragma once
class BojistePohled;

// Drives the tank of player na_tahu (+1 right, -1 left) until its centre column reaches
// target, its fuel ends, its side's limit or a crate stops it.
void jizda_tanku(BojistePohled& f, int smer, int cil);
