#pragma once
// Rounds and turns on the battlefield window.
class Tform_hra;

// Sets up a round and gives the turn to player zacina (0 or 1).
void nove_kolo(Tform_hra& f, int zacina);
// Hands the controls to the player na_tahu, if that player plays on this computer.
void zmena_tahu(Tform_hra& f);
// Writes the state of the battle into the fire button's accessible description, which a
// screen reader reads out with the button: whose turn it is, both energies, the wind, where
// the mover's last shell came down and how far apart the tanks stand.
void popis_bojiste(Tform_hra& f);
// A shot begins: disables the eight battle controls of both players (angle, power, weapon,
// shop, fire), and a screen reader announces who fires what.
void zakaz_ovladani(Tform_hra& f);
// Both money labels from the players' credits.
void ukaz_penize(Tform_hra& f);
// Player p's selected weapon can be fired: the basic shell always, the others while any
// are left (decides whether btn_pal is enabled).
bool muze_strilet(int p);
