#pragma once
class Tform_hra;

// The destroyed tank of player `porazeny` blows up, the other scores, a new round starts.
void zniceni_tanku(Tform_hra& f, int porazeny);
