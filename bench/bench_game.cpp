// Round set-up and the turn change, with the pauses summed up instead of slept.
#include "bench/bench.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "tests/support/stand_ins.h"

#include <memory>

namespace {

// Runs `body` once an iteration with a hidden battlefield window and no sleeping, the
// real services put back after. A round's landscape and wind are rolled from the clock's
// second, and the clock stands still: every round gets the same ones, as nearly every
// round did within a run on the real clock before (df73c77), and a run is the same from
// one time of day to another. (Rounds that each get a new landscape and wind, from a clock
// that moves on at every reading, took about 120 us here against 75 us.)
template <class Body>
void with_window(benchmark::State& state, Body body)
{
    RecordingSleeper no_sleep = RecordingSleeper::summing();
    SteppingClock clock(1'000'000);
    const StandInScope installed(no_sleep, clock);
    auto f = std::make_unique<Tform_hra>();
    typ_hry = dva_hraci;
    zvuk = false;
    int i = 0;
    for (auto _ : state)
        body(*f, i++);
}

[[maybe_unused]] auto* const nove_kolo_case =
    bench_case("game: nove_kolo (hidden window)", [](benchmark::State& state) {
        with_window(state, [](Tform_hra& f, int i) { nove_kolo(f, i % 2); });
    });

[[maybe_unused]] auto* const zmena_tahu_case =
    bench_case("game: zmena_tahu with turn flash", [](benchmark::State& state) {
        with_window(state, [](Tform_hra& f, int i) {
            na_tahu = i % 2;
            zmena_tahu(f);
        });
    });

} // namespace
