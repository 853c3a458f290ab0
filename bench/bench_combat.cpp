// The shot as the game runs it: every flight step draws the shell, shows the picture on a
// shown battlefield window and erases the shell again; the explosions' frames are timed
// without their pauses; and the pacing of a flight at 15 ms a step with the real sleep.
#include "battlefield/drawing.h"
#include "bench/bench.h"
#include "combat/ballistics.h"
#include "combat/explosions.h"
#include "combat/flight.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

struct NoSleep : platform::Sleeper {
    long requested = 0;
    void sleep_ms(int ms) override { requested += ms; }
};

// Handles pending events like the real anti-freeze and counts the flight's steps.
struct CountingPump : platform::MessagePump {
    long steps = 0;
    void process_pending() override
    {
        ++steps;
        QCoreApplication::processEvents();
    }
};

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

// Flies the worked example once and returns the steps it took.
long fly(Tform_hra& f, CountingPump& pump)
{
    lay_field(f);
    pump.steps = 0;
    let_strely(f);
    return pump.steps;
}

std::string format(const char* fmt, double a, double b = 0, double c = 0)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    return buf;
}

// One flight step alone: the dot drawn and shown, then erased, in the sky band and below.
BenchRegistrar step{{"combat/flight step (dot+show+erase)",
                     [](int n) {
                         Tform_hra& f = window();
                         Canvas& c = f.platno();
                         c.set_pen_width(4);
                         for (int i = 0; i < n; ++i) {
                             const int x = 50 + i % 700;
                             const int y = i % 2 == 0 ? 150 : 250;
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
                     },
                     5000, {}}};

BenchRegistrar whole_flight{{"combat/let_strely at zpozdeni 0", {}, 0, [] {
                                 Tform_hra& f = window();
                                 NoSleep sleeper;
                                 CountingPump pump;
                                 platform::install(&sleeper);
                                 platform::install(&pump);
                                 zpozdeni = 0;
                                 fly(f, pump); // warm up
                                 constexpr int flights = 20;
                                 long steps = 0;
                                 const auto t0 = std::chrono::steady_clock::now();
                                 for (int i = 0; i < flights; ++i)
                                     steps += fly(f, pump);
                                 const double us = std::chrono::duration<double, std::micro>(
                                                       std::chrono::steady_clock::now() - t0)
                                                       .count();
                                 platform::install(static_cast<platform::Sleeper*>(nullptr));
                                 platform::install(static_cast<platform::MessagePump*>(nullptr));
                                 return format("%.0f us/flight, %.0f steps, %.1f us/step",
                                               us / flights, double(steps) / flights, us / steps);
                             }}};

// Each explosion's drawing with its pauses recorded, not slept; the ground is laid again
// before every one so that each digs the same crater.
template <void (*Vybuch)(BojistePohled&, int, int, int)>
void explode(int n, int R)
{
    Tform_hra& f = window();
    NoSleep sleeper;
    platform::install(&sleeper);
    for (int i = 0; i < n; ++i) {
        vysky.fill(300);
        Vybuch(f, 400, 300, R);
    }
    platform::install(static_cast<platform::Sleeper*>(nullptr));
}

BenchRegistrar fire15{{"combat/vybuch_strely R15 (no sleeps)",
                       [](int n) { explode<vybuch_strely>(n, 15); }, 100, {}}};
BenchRegistrar fire25{{"combat/vybuch_strely R25 (no sleeps)",
                       [](int n) { explode<vybuch_strely>(n, 25); }, 50, {}}};
BenchRegistrar fire30{{"combat/vybuch_strely R30 tank (no sleeps)",
                       [](int n) { explode<vybuch_strely>(n, 30); }, 50, {}}};
BenchRegistrar nuke10{{"combat/vybuch_nuke R10 (no sleeps)",
                       [](int n) { explode<vybuch_nuke>(n, 10); }, 20, {}}};
BenchRegistrar nuke20{{"combat/vybuch_nuke R20 (no sleeps)",
                       [](int n) { explode<vybuch_nuke>(n, 20); }, 20, {}}};
BenchRegistrar crater{{"combat/vykopej_krater R25",
                       [](int n) {
                           Tform_hra& f = window();
                           for (int i = 0; i < n; ++i) {
                               vysky.fill(300);
                               vykopej_krater(f, 400, 300, 25);
                           }
                       },
                       2000, {}}};

// A flight at 15 ms a step with the real sleep: its elapsed time against the sum of the
// pauses it asked for. What exceeds 1 is the drawing, showing and oversleeping per step.
struct RealSleepSummed : platform::Sleeper {
    platform::Sleeper& real = platform::sleeper();
    long asked = 0;
    void sleep_ms(int ms) override
    {
        asked += ms;
        real.sleep_ms(ms);
    }
};

BenchRegistrar pacing{{"combat/pacing at zpozdeni 15 (real sleep)", {}, 0, [] {
                           Tform_hra& f = window();
                           CountingPump pump;
                           platform::install(&pump);
                           RealSleepSummed sleeper;
                           platform::install(&sleeper);
                           zpozdeni = 15;
                           lay_field(f);
                           pump.steps = 0;
                           const auto t0 = std::chrono::steady_clock::now();
                           let_strely(f);
                           const double ms = std::chrono::duration<double, std::milli>(
                                                 std::chrono::steady_clock::now() - t0)
                                                 .count();
                           platform::install(static_cast<platform::Sleeper*>(nullptr));
                           platform::install(static_cast<platform::MessagePump*>(nullptr));
                           zpozdeni = 0;
                           return format("ratio %.3f: %.0f ms elapsed, %.0f ms of sleep asked",
                                         ms / double(sleeper.asked), ms, double(sleeper.asked))
                               + format(", %.0f steps", double(pump.steps));
                       }}};

} // namespace
