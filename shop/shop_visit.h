#pragma once
// A human's visit to the shop, on the battlefield's status displays.
class BojistePohled;

// Opens a fresh shop for the player whose turn it is, waits until it is closed, and takes
// the bought values from the battlefield's displays back into that player's record.
void navsteva_obchodu(BojistePohled& f);
