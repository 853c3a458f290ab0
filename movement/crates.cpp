#include "movement/crates.h"

#include "battlefield/drawing.h"
#include "game/platform.h"
#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "movement/crate_rules.h"

void umisti_bonus(BojistePohled& f)
{
    const std::int32_t c = misto_bedny(bonus_x, hrac);
    if (c == 0)
        return;
    bonus_x = c;
    f.pauza(500);
    kresli_bonus(f.platno(), clMaroon);
    f.ukaz();
    if (zvuk)
        platform::play_sound("data/bonus.wav");
}

void seber_bonus(BojistePohled& f)
{
    if (bonus_x == 0)
        return;
    if (zvuk)
        platform::play_sound("data/nakup.wav");
    kresli_bonus(f.platno(), barva_nebe);
    kresli_tank(f.platno(), 0, 0);
    kresli_tank(f.platno(), 1, 0);
    f.ukaz();

    const int p = na_tahu;
    PlayerState& h = hrac[p];
    const Bonus b = vylosuj_bonus();
    pripis_bonus(h, b);
    switch (b.druh) {
    case DruhBonusu::kredity:
        f.nastav_penize(p, QString::number(h.penize));
        break;
    case DruhBonusu::strela:
        f.nastav_naboje(p, b.zbran, QString::number(h.naboje[b.zbran]));
        break;
    case DruhBonusu::energie: f.nastav_energii(p, h.energie); break;
    case DruhBonusu::nafta: f.nastav_naftu(p, h.nafta); break;
    }
    f.nastav_info(QString::fromStdString(b.zprava));
    f.prekresli_info();
    f.ohlas(QString::fromStdString(b.zprava));
    f.pauza(400);
    bonus_x = 0;
}
