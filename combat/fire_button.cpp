#include "game/tarvana_hra.h"

void Tform_hra::btn_palClick() {}
