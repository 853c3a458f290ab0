#include "game/gauge.h"

void Gauge::setProgress(int v) { setValue(v < minimum() ? minimum() : v > maximum() ? maximum() : v); }
