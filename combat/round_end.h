#pragma once
class BojistePohled;

// The destroyed tank of player `porazeny` blows up, the other scores, a new round starts.
void zniceni_tanku(BojistePohled& f, int porazeny);
