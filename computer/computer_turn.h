#pragma once
class BojistePohled;

// The computer's whole turn as player 2.
void tah_pocitace(BojistePohled& f);
