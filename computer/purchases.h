#pragma once
class Tform_hra;

void pocitac_kupuje_naftu(Tform_hra& f, int n);
void pocitac_kupuje_energii(Tform_hra& f);
// One projectile of kind k (1..4), selected in cmb_zbran2.
void pocitac_kupuje_strelu(Tform_hra& f, int k);
