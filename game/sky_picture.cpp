#include "game/game_state.h"

#include <QImage>

std::unique_ptr<QImage> nebe;

void obnov_pocatecni_stav()
{
    obnov_promenne_hry();
    nebe.reset();
}
