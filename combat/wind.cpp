#include "combat/wind.h"
#include "game/tarvana_hra.h"

void novy_vitr(Tform_hra&) {}
