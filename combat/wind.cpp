#include "combat/wind.h"
#include "game/tarvana_hra.h"

void novy_vitr(Tform_hra& f)
{
    vitr = nahoda(11) - 5;
    f.lbl_vitr->setText(popisek_vetru(vitr));
}
