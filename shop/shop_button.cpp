#include "game/tarvana_hra.h"
#include "shop/tarvana_obchod.h"

void Tform_hra::btn_obchodClick() {}
