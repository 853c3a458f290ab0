#include "movement/driving.h"
#include "game/tarvana_hra.h"

void jizda_tanku(Tform_hra&, int, int) {}

void Tform_hra::img_krajinaMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
