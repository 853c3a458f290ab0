#include "battlefield/drawing.h"

void kresli_nebe(Canvas&, const QImage&) {}
void kresli_krajinu(Canvas&) {}
void obnov_zem(Canvas&, int, int) {}
void kresli_tank(Canvas&, int, Color) {}
void kresli_bonus(Canvas&, Color) {}
void maly_krater(Canvas&, int) {}
