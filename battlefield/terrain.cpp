#include "battlefield/terrain.h"

void vytvor_krajinu() {}
