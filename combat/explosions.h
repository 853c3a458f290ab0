#pragma once
class BojistePohled;

void primy_zasah(BojistePohled& f, int zasazeny, int X, int Y);
void zasah_okoli(BojistePohled& f, int zbran, int X, int Y);
void vybuch_strely(BojistePohled& f, int X, int Y, int R);
void vybuch_nuke(BojistePohled& f, int X, int Y, int R);
void vykopej_krater(BojistePohled& f, int X, int Y, int R);
