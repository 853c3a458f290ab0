// The shot as the game runs it: every flight step draws the shell, shows the picture on a
// shown battlefield window and erases the shell again; the explosions' frames are timed
// without their pauses; and the pacing of a flight at 15 ms a step with the real sleep
// (its counter ratio: the flight's elapsed time over the sleep it asked for).
#include "battlefield/drawing.h"
#include "bench/bench.h"
#include "combat/ballistics.h"
#include "combat/explosions.h"
#include "combat/flight.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "tests/support/stand_ins.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <chrono>

namespace {

void stand(int p, int x, int uhel, int sila)
{
    hrac[p].x = x;
    hrac[p].y = vysky[static_cast<std::size_t>(x - 15)] + 1;
    hrac[p].uhel = uhel;
    hrac[p].sila = sila;
    hrac[p].energie = plna_energie;
    hrac[p].zbran = zakladni_strela;
}

// The worked example's field: flat ground at row 300, the left tank firing 45 degrees at
// power 70 into calm air, the shell landing well short of the right tank.
void lay_field(Tform_hra& f)
{
    vysky.fill(300);
    stand(0, 100, 45, 70);
    stand(1, 700, 135, 70);
    vitr = 0;
    bonus_x = 0;
    na_tahu = 0;
    zvuk = false;
    Canvas& c = f.platno();
    c.set_brush_pattern(nebe.get());
    c.fill_rect(0, 0, 800, 200);
    kresli_krajinu(c);
    f.ukaz();
}

// One shown battlefield window for all cases (never destroyed: it must not outlive the
// application object). The game it starts by itself is replaced by the field above.
Tform_hra& window()
{
    static Tform_hra* f = [] {
        auto* w = new Tform_hra;
        // A message box (the sky picture missing, say) must not stop the run.
        auto* dismiss = new QTimer(w);
        QObject::connect(dismiss, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->close();
        });
        dismiss->start(20);
        w->show();
        QElapsedTimer t;
        t.start();
        while (!w->hra_zacala() && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!nebe) {
            nebe = std::make_unique<QImage>(64, 64, QImage::Format_RGB32);
            nebe->fill(qRgb(120, 160, 230));
        }
        lay_field(*w);
        return w;
    }();
    return *f;
}

// Flies the worked example once and returns the steps it took (the pump counts them).
long fly(Tform_hra& f, RecordingPump& pump)
{
    lay_field(f);
    pump.count = 0;
    let_strely(f);
    return pump.count;
}

// One flight step alone: the dot drawn and shown, then erased, in the sky band and below.
[[maybe_unused]] auto* const step =
    bench_case("combat/flight step (dot+show+erase)", [](benchmark::State& state) {
        Tform_hra& f = window();
        Canvas& c = f.platno();
        c.set_pen_width(4);
        int i = 0;
        for (auto _ : state) {
            const int x = 50 + i % 700;
            const int y = i % 2 == 0 ? 150 : 250;
            ++i;
            c.set_pen_color(clBlack);
            c.line(x, y, x, y);
            f.ukaz();
            if (y >= 198) {
                c.set_pen_color(barva_nebe);
                c.line(x, y, x, y);
            } else {
                c.set_brush_pattern(nebe.get());
                c.fill_rect(x - 2, y - 2, x + 2, y + 2);
            }
        }
    });

// A whole flight an iteration, the field laid again before it; counters: the steps of a
// flight and the time of one step.
[[maybe_unused]] auto* const whole_flight =
    bench_case("combat/let_strely at zpozdeni 0", [](benchmark::State& state) {
        Tform_hra& f = window();
        RecordingSleeper sleeper = RecordingSleeper::summing();
        RecordingPump pump;
        const StandInScope installed(sleeper, pump);
        zpozdeni = 0;
        long steps = 0;
        for (auto _ : state)
            steps += fly(f, pump);
        state.counters["steps"] =
            benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
        state.counters["per_step"] = benchmark::Counter(
            static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    });

// Each explosion's drawing with its pauses summed up, not slept; the ground is laid again
// before every one so that each digs the same crater.
template <void (*Vybuch)(BojistePohled&, int, int, int)>
void explode(benchmark::State& state, int R)
{
    Tform_hra& f = window();
    RecordingSleeper sleeper = RecordingSleeper::summing();
    const StandInScope installed(sleeper);
    for (auto _ : state) {
        vysky.fill(300);
        Vybuch(f, 400, 300, R);
    }
}

// An explosion of radius R an iteration.
template <void (*Vybuch)(BojistePohled&, int, int, int), int R>
void explosion(benchmark::State& state)
{
    explode<Vybuch>(state, R);
}

[[maybe_unused]] auto* const fire15 =
    bench_case("combat/vybuch_strely R15 (no sleeps)", explosion<vybuch_strely, 15>);
[[maybe_unused]] auto* const fire25 =
    bench_case("combat/vybuch_strely R25 (no sleeps)", explosion<vybuch_strely, 25>);
[[maybe_unused]] auto* const fire30 =
    bench_case("combat/vybuch_strely R30 tank (no sleeps)", explosion<vybuch_strely, 30>);
[[maybe_unused]] auto* const nuke10 =
    bench_case("combat/vybuch_nuke R10 (no sleeps)", explosion<vybuch_nuke, 10>);
[[maybe_unused]] auto* const nuke20 =
    bench_case("combat/vybuch_nuke R20 (no sleeps)", explosion<vybuch_nuke, 20>);
[[maybe_unused]] auto* const crater =
    bench_case("combat/vykopej_krater R25", [](benchmark::State& state) {
        Tform_hra& f = window();
        for (auto _ : state) {
            vysky.fill(300);
            vykopej_krater(f, 400, 300, 25);
        }
    });

// A flight at 15 ms a step with the real sleep: its elapsed time against the sum of the
// pauses it asked for. What exceeds 1 is the drawing, showing and oversleeping per step.
// One flight (4 s) and one run only.
[[maybe_unused]] auto* const pacing =
    bench_case("combat/pacing at zpozdeni 15 (real sleep)", [](benchmark::State& state) {
        Tform_hra& f = window();
        RecordingPump pump;
        RecordingSleeper sleeper = RecordingSleeper::summing();
        sleeper.pass_on = &platform::sleeper();   // the real one: nothing is installed yet
        const StandInScope installed(pump, sleeper);
        zpozdeni = 15;
        double ms = 0;
        for (auto _ : state) {
            lay_field(f);
            pump.count = 0;
            sleeper.clear();
            const auto t0 = std::chrono::steady_clock::now();
            let_strely(f);
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                     .count();
        }
        zpozdeni = 0;
        state.counters["ratio"] = ms / static_cast<double>(sleeper.summed_ms);
        state.counters["elapsed_ms"] = ms;
        state.counters["sleep_asked_ms"] = static_cast<double>(sleeper.summed_ms);
        state.counters["steps"] = static_cast<double>(pump.count);
    })->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

} // namespace
