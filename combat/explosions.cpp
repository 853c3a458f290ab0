#include "combat/explosions.h"
#include "game/tarvana_hra.h"

void primy_zasah(Tform_hra&, int, int, int) {}
void zasah_okoli(Tform_hra&, int, int, int) {}
void vybuch_strely(Tform_hra&, int, int, int) {}
void vybuch_nuke(Tform_hra&, int, int, int) {}
void vykopej_krater(Tform_hra&, int, int, int) {}
