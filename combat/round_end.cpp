#include "combat/round_end.h"
#include "game/tarvana_hra.h"

void zniceni_tanku(Tform_hra&, int) {}
