#include "computer/computer_turn.h"
#include "game/tarvana_hra.h"

void tah_pocitace(Tform_hra&) {}
