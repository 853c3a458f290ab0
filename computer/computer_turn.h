#pragma once
class Tform_hra;

// The computer's whole turn as player 2.
void tah_pocitace(Tform_hra& f);
