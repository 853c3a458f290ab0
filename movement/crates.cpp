#include "movement/crates.h"
#include "game/tarvana_hra.h"

void umisti_bonus(Tform_hra&) {}
void seber_bonus(Tform_hra&) {}
