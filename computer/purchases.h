#pragma once
class BojistePohled;

void pocitac_kupuje_naftu(BojistePohled& f, int n);
void pocitac_kupuje_energii(BojistePohled& f);
// One projectile of kind k (1..4), selected in cmb_zbran2.
void pocitac_kupuje_strelu(BojistePohled& f, int k);
