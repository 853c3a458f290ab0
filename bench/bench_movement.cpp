// One drive step: erase the tank, move it a column, draw it, show the change. The 60 ms
// pause of every step is taken out; what is left is what the drawing costs on top of it.
#include "bench/bench.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "movement/driving.h"

#include <algorithm>

namespace {

struct BezSpanku : platform::Sleeper {
    void sleep_ms(int) override {}
};

void kroky_jizdy(int n)
{
    static BezSpanku bez_spanku;
    platform::install(&bez_spanku);
    // One window for every run, left to the end of the program: it must not outlive
    // the application object, which a static owner would make it do.
    static Tform_hra* f = nullptr;
    if (!f) {
        f = new Tform_hra;
        f->show();
    }
    zvuk = false;
    bonus_x = 0;
    na_tahu = 0;
    PlayerState& h = hrac[0];
    h.x = 40;
    int smer = 1;
    // Back and forth across player 1's side, up to 250 columns a drive.
    while (n > 0) {
        const int kus = std::min(n, 250);
        h.nafta = kus + 1;
        const int cil = h.x + smer * kus - 15;
        jizda_tanku(*f, smer, cil);
        n -= kus;
        smer = -smer;
    }
    platform::install(static_cast<platform::Sleeper*>(nullptr));
}

BenchRegistrar r{{"drive step (erase, move, draw, show)", kroky_jizdy, 2000, {}}};

} // namespace
