// Round set-up and the turn change, with the pauses recorded instead of slept.
#include "bench/bench.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"

#include <memory>

namespace {

struct NoSleep : platform::Sleeper {
    void sleep_ms(int) override {}
};

// Runs `body` with a battlefield window and no sleeping, the real services put back after.
template <class Body>
void with_window(int n, Body body)
{
    NoSleep no_sleep;
    platform::install(&no_sleep);
    auto f = std::make_unique<Tform_hra>();
    typ_hry = dva_hraci;
    zvuk = false;
    for (int i = 0; i < n; ++i)
        body(*f, i);
    platform::install(static_cast<platform::Sleeper*>(nullptr));
}

BenchRegistrar nove_kolo_case{{"game: nove_kolo (hidden window)",
                               [](int n) {
                                   with_window(n, [](Tform_hra& f, int i) { nove_kolo(f, i % 2); });
                               },
                               200, {}}};

BenchRegistrar zmena_tahu_case{{"game: zmena_tahu with turn flash",
                                [](int n) {
                                    with_window(n, [](Tform_hra& f, int i) {
                                        na_tahu = i % 2;
                                        zmena_tahu(f);
                                    });
                                },
                                2000, {}}};

} // namespace
