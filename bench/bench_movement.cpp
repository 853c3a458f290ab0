// One drive step: erase the tank, move it a column, draw it, show the change. The 60 ms
// pause of every step is taken out; what is left is what the drawing costs on top of it.
// An iteration is one drive of 250 columns (251 steps: the first puts the tank on the
// column it stands on); the counter per_step is the time of one step.
#include "bench/bench.h"
#include "game/tarvana_hra.h"
#include "movement/driving.h"
#include "tests/support/stand_ins.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

void kroky_jizdy(benchmark::State& state)
{
    RecordingSleeper bez_spanku = RecordingSleeper::summing();
    // The round the window starts by itself rolls its landscape from this second: the
    // same ground for every run.
    SteppingClock hodiny(1'000'000);
    const StandInScope installed(bez_spanku, hodiny);
    // One window for every run, left to the end of the program: it must not outlive
    // the application object, which a static owner would make it do.
    static Tform_hra* f = nullptr;
    if (!f) {
        typ_hry = dva_hraci;
        f = new Tform_hra;
        f->show();
        // The game it starts by itself, before the drives rather than inside the first.
        QElapsedTimer t;
        t.start();
        while (!f->hra_zacala() && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    zvuk = false;
    bonus_x = 0;
    na_tahu = 0;
    PlayerState& h = hrac[0];
    h.x = 40;
    int smer = 1;
    // Back and forth across player 1's side.
    constexpr int kus = 250;
    for (auto _ : state) {
        h.nafta = kus + 1;
        const int cil = h.x + smer * kus - 15;
        jizda_tanku(*f, smer, cil);
        smer = -smer;
    }
    // Every step pauses 60 ms once.
    state.counters["per_step"] =
        benchmark::Counter(static_cast<double>(bez_spanku.pauses),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

[[maybe_unused]] auto* const r = bench_case("drive step (erase, move, draw, show)", kroky_jizdy);

} // namespace
