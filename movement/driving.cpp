#include "movement/driving.h"

#include "battlefield/drawing.h"
#include "battlefield/terrain.h"
#include "game/platform.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "movement/crates.h"
#include "movement/driving_rules.h"


void jizda_tanku(BojistePohled& f, int smer, int cil)
{
    const int p = na_tahu;
    PlayerState& h = hrac[p];
    probiha_akce = true;
    f.nastav_info(QString());
    f.prekresli_info();

    if (rozjede_se(p, h.x, h.nafta, smer)) {
        if (zvuk) {
            platform::play_sound("data/motor.wav");
            f.pauza(4100);
        }
        f.zpracuj_zpravy();
        const PlanJizdy plan = naplanuj_jizdu(p, h.x, h.nafta, smer, cil, bonus_x);
        const std::int32_t od = h.x;
        for (int i = 0; i < plan.kroku; ++i) {
            h.nafta -= nafta_za_krok;
            f.nastav_naftu(p, h.nafta);
            kresli_tank(f.platno(), p, barva_nebe);
            h.x = od + i * plan.smer;
            h.y = radek_tanku(h.x);
            kresli_tank(f.platno(), p, 0);
            if (plan.bedna && i + 1 == plan.kroku) {
                seber_bonus(f);
                break;
            }
            f.ukaz();
            f.pauza(60);
        }
    }

    platform::stop_sound();
    probiha_akce = false;
}
