#include "combat/flight.h"
#include "game/tarvana_hra.h"

void let_strely(Tform_hra&) {}
void zablesk(Tform_hra&, int, int) {}
