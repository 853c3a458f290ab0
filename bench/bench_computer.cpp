// The computer's thinking: one whole turn with every pause recorded instead of slept (on a
// hidden battlefield window, so without painting), and the power search alone.
#include "battlefield/terrain.h"
#include "bench/bench.h"
#include "computer/computer_turn.h"
#include "computer/power_search.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"

#include <memory>
#include <random>
#include <vector>

namespace {

struct NoSleep : platform::Sleeper {
    void sleep_ms(int) override {}
};
struct NoPump : platform::MessagePump {
    void process_pending() override {}
};
struct Quiet : platform::SoundPlayer {
    void play(const std::string&) override {}
    void stop() override {}
};

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

void tahy(int n)
{
    static const std::vector<Pole> pole_ = pole(64);
    static NoSleep spanek;
    static NoPump pumpa;
    static Quiet ticho;
    platform::install(&spanek);
    platform::install(&pumpa);
    platform::install(&ticho);
    auto f = std::make_unique<Tform_hra>();
    form_hra = f.get();
    typ_hry = proti_pocitaci;
    zpozdeni = 0;
    for (int i = 0; i < n; ++i) {
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
        tah_pocitace(*f);
    }
    form_hra = nullptr;
    platform::install(static_cast<platform::Sleeper*>(nullptr));
    platform::install(static_cast<platform::MessagePump*>(nullptr));
    platform::install(static_cast<platform::SoundPlayer*>(nullptr));
}

void hledani(int n)
{
    static const std::vector<Pole> pole_ = pole(64);
    long soucet = 0;
    for (int i = 0; i < n; ++i) {
        const Pole& p = pole_[static_cast<std::size_t>(i) % pole_.size()];
        soucet += hledej_silu(p.hraci, p.vitr, p.h).sila;
    }
    volatile long nepouzito = soucet;
    (void)nepouzito;
}

BenchRegistrar tah{{"computer: whole turn, pauses recorded", tahy, 200, {}}};
BenchRegistrar sila{{"computer: power search 20..200", hledani, 2000, {}}};

} // namespace
