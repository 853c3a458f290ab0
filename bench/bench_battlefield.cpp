// The battlefield's drawing as the game uses it: each operation followed by the image's
// immediate update, on a shown picture, so the figure includes the repaint it causes.
#include "battlefield/drawing.h"
#include "battlefield/terrain.h"
#include "bench/bench.h"
#include "game/landscape_image.h"
#include "game/platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <functional>

namespace {

// One shown picture for all cases, standing on a generated landscape. It is never
// destroyed: a widget must not outlive the application object, and the program ends
// right after the cases have run.
LandscapeImage& obraz()
{
    static LandscapeImage* img = [] {
        platform::random_source().seed(1);
        vytvor_krajinu();
        hrac[0].uhel = 45;
        hrac[0].barva = clYellow;
        auto* i = new LandscapeImage;
        i->show();
        // Until the window is on the screen a repaint only notes what is to be painted:
        // the figures would leave out the showing they are meant to include.
        QElapsedTimer t;
        t.start();
        while (!(i->windowHandle() && i->windowHandle()->isExposed()) && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        kresli_krajinu(i->canvas());
        i->show_now();
        return i;
    }();
    return *img;
}

[[maybe_unused]] auto* const generate =
    bench_case("battlefield/vytvor_krajinu", [](benchmark::State& state) {
        platform::random_source().seed(1);
        for (auto _ : state)
            vytvor_krajinu();
    });

// The landscape every drawing case draws on, whatever ran before it: the first that the
// generator rolls from seed 1, as the picture was first laid (the cost of the drawing
// depends on the ground).
void poloz_krajinu(Canvas& c)
{
    platform::random_source().seed(1);
    vytvor_krajinu();
    hrac[0].uhel = 45;
    kresli_krajinu(c);
}

// Runs a drawing step once an iteration on the shown picture, each followed by the
// immediate update.
std::function<void(benchmark::State&)> se_zobrazenim(std::function<void(Canvas&, int)> krok)
{
    return [krok](benchmark::State& state) {
        LandscapeImage& img = obraz();
        poloz_krajinu(img.canvas());
        img.show_now();
        int i = 0;
        for (auto _ : state) {
            krok(img.canvas(), i++);
            img.show_now();
        }
    };
}

[[maybe_unused]] auto* const landscape =
    bench_case("battlefield/kresli_krajinu+show",
               se_zobrazenim([](Canvas& c, int) { kresli_krajinu(c); }));

[[maybe_unused]] auto* const tank = bench_case(
    "battlefield/kresli_tank+show", se_zobrazenim([](Canvas& c, int) { kresli_tank(c, 0, 0); }));

// An angle step: the tank erased with its ground repair, then drawn at the next angle.
[[maybe_unused]] auto* const tank_step =
    bench_case("battlefield/kresli_tank erase+draw+show", se_zobrazenim([](Canvas& c, int i) {
                   kresli_tank(c, 0, barva_nebe);
                   hrac[0].uhel = 5 + i % 86;
                   kresli_tank(c, 0, 0);
               }));

} // namespace
