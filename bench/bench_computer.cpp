// The computer's thinking: one whole turn with every pause summed up instead of slept (on a
// hidden battlefield window, so without painting), its CPU time there and on a shown
// window, and the power search alone. An iteration is one turn, or one search.
#include "battlefield/terrain.h"
#include "bench/bench.h"
#include "computer/computer_turn.h"
#include "computer/power_search.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "tests/support/stand_ins.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace {

// Landscapes of the round set-up's generator, each with a wind and the computer's angle.
struct Pole {
    Heightmap h;
    PlayerState hraci[2];
    std::int32_t vitr;
};

std::vector<Pole> pole(int kolik)
{
    std::vector<Pole> v;
    std::mt19937 g(7);
    for (int i = 0; i < kolik; ++i) {
        platform::random_source().seed(static_cast<std::uint32_t>(g()));
        vytvor_krajinu();
        Pole p{vysky, {hrac[0], hrac[1]}, static_cast<std::int32_t>(g() % 11) - 5};
        p.hraci[1].uhel = 100 + static_cast<std::int32_t>(g() % 55);
        v.push_back(p);
    }
    return v;
}

const std::vector<Pole>& pole_tahu()
{
    static const std::vector<Pole> p = pole(64);
    return p;
}

// The computer's turns on one battlefield window, with the pauses summed up, no sound, no
// messages handled and the generator seeded the same at the start. On a shown window
// every step of the computer's drive and shot is painted as well, as in the game.
class Tahy {
public:
    explicit Tahy(bool ukazane)
    {
        pumpa_.process_events = false;
        f_ = std::make_unique<Tform_hra>();
        form_hra = f_.get();
        if (ukazane) {
            // The game it starts by itself is over before the turns begin.
            f_->show();
            const auto t0 = std::chrono::steady_clock::now();
            while (!f_->hra_zacala()
                   && std::chrono::steady_clock::now() - t0 < std::chrono::seconds(2))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        typ_hry = proti_pocitaci;
        zpozdeni = 0;
        // The landscapes are rolled before the turns, which then draw the same numbers
        // in every run.
        pole_tahu();
        nahoda_.seed(1);
        spanek_.clear();
    }
    ~Tahy() { form_hra = nullptr; }
    Tahy(const Tahy&) = delete;
    Tahy& operator=(const Tahy&) = delete;

    // One turn of the computer on the next of the landscapes.
    void tah()
    {
        const std::vector<Pole>& pole_ = pole_tahu();
        const int i = i_++;
        const Pole& p = pole_[static_cast<std::size_t>(i) % pole_.size()];
        vysky = p.h;
        for (int k = 0; k < 2; ++k) {
            hrac[k] = p.hraci[k];
            hrac[k].energie = plna_energie;
            hrac[k].nafta = plna_nadrz;
            hrac[k].penize = 2500;
            hrac[k].naboje = {0, 5, 3, 0, 0};
        }
        vitr = p.vitr;
        obtiznost = i % 5;
        bonus_x = 0;
        na_tahu = 1;
        tah_pocitace(*f_);
    }

    // The pauses asked for so far, in seconds.
    double pauzy_s() const { return static_cast<double>(spanek_.summed_ms) / 1000; }

private:
    RecordingSleeper spanek_ = RecordingSleeper::summing();
    RecordingPump pumpa_;
    RecordingSound ticho_ = RecordingSound::silent();
    // The computer's aim draws from the generator: every run draws the same numbers.
    ScriptedRandom nahoda_{1};
    StandInScope sluzby_{spanek_, pumpa_, ticho_, nahoda_};
    std::unique_ptr<Tform_hra> f_;
    int i_ = 0;
};

// The turn's own cost on the user-interface thread, its pauses taken out; the counter
// pauses_s is the pause asked for in a turn.
void tahy(benchmark::State& state, bool ukazane)
{
    Tahy t(ukazane);
    for (auto _ : state)
        t.tah();
    state.counters["pauses_s"] =
        benchmark::Counter(t.pauzy_s(), benchmark::Counter::kAvgIterations);
}

double nejmensi(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double nejvetsi(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

void hledani(benchmark::State& state)
{
    const std::vector<Pole>& pole_ = pole_tahu();
    long soucet = 0;
    int i = 0;
    for (auto _ : state) {
        const Pole& p = pole_[static_cast<std::size_t>(i++) % pole_.size()];
        soucet += hledej_silu(p.hraci, p.vitr, p.h).sila;
    }
    benchmark::DoNotOptimize(soucet);
}

// Each run is the same 200 turns on a fresh window (the landscapes in turn, the skills in
// turn), as many runs as the others: the wall-clock time (Time) and the CPU time of this
// thread (CPU), which the last two are about.
benchmark::internal::Benchmark* tah_case(const char* name, bool ukazane, bool wall)
{
    auto* b = benchmark::RegisterBenchmark(name,
                                           [ukazane](benchmark::State& s) { tahy(s, ukazane); });
    if (wall)
        b->UseRealTime();
    return b->Unit(benchmark::kMillisecond)
        ->Iterations(200)
        ->ComputeStatistics("min", nejmensi)
        ->ComputeStatistics("max", nejvetsi);
}

[[maybe_unused]] auto* const tah = tah_case("computer: whole turn, pauses recorded", false, true);
[[maybe_unused]] auto* const tah_cpu = tah_case("computer: whole turn CPU time", false, false);
[[maybe_unused]] auto* const tah_cpu_ukazany =
    tah_case("computer: whole turn CPU time, shown window", true, false);
[[maybe_unused]] auto* const sila = bench_case("computer: power search 20..200", hledani);

} // namespace
