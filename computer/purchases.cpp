#include "computer/purchases.h"
#include "game/tarvana_hra.h"

void pocitac_kupuje_naftu(Tform_hra&, int) {}
void pocitac_kupuje_energii(Tform_hra&) {}
void pocitac_kupuje_strelu(Tform_hra&, int) {}
