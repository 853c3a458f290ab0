#pragma once
class Tform_hra;

void primy_zasah(Tform_hra& f, int zasazeny, int X, int Y);
void zasah_okoli(Tform_hra& f, int zbran, int X, int Y);
void vybuch_strely(Tform_hra& f, int X, int Y, int R);
void vybuch_nuke(Tform_hra& f, int X, int Y, int R);
void vykopej_krater(Tform_hra& f, int X, int Y, int R);
