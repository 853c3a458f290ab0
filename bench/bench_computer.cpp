// The computer's thinking: one whole turn with every pause recorded instead of slept (on a
// hidden battlefield window, so without painting), its CPU time there and on a shown
// window, and the power search alone.
#include "battlefield/terrain.h"
#include "bench/bench.h"
#include "computer/computer_turn.h"
#include "computer/power_search.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct NoSleep : platform::Sleeper {
    long long asked = 0;
    void sleep_ms(int ms) override { asked += ms; }
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

// Returns the milliseconds of pause the turns asked for. On a shown window every step of
// the computer's drive and shot is painted as well, as in the game.
long long tahy(int n, bool ukazane = false)
{
    static const std::vector<Pole> pole_ = pole(64);
    static NoSleep spanek;
    static NoPump pumpa;
    static Quiet ticho;
    spanek.asked = 0;
    platform::install(&spanek);
    platform::install(&pumpa);
    platform::install(&ticho);
    auto f = std::make_unique<Tform_hra>();
    form_hra = f.get();
    if (ukazane) {
        // The game it starts by itself is over before the turns begin.
        f->show();
        const auto t0 = std::chrono::steady_clock::now();
        while (!f->hra_zacala() && std::chrono::steady_clock::now() - t0 < std::chrono::seconds(2))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
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
    return spanek.asked;
}

double cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The turn's own cost on the user-interface thread, its pauses taken out: CPU time and
// wall time per turn, the median of five runs of 200 turns.
std::string cpu_tahu(bool ukazane)
{
    constexpr int turns = 200, runs = 5;
    tahy(turns / 10, ukazane); // warm up
    std::vector<double> cpu, wall;
    long long asked = 0;
    for (int r = 0; r < runs; ++r) {
        const double c0 = cpu_ms();
        const auto w0 = std::chrono::steady_clock::now();
        asked = tahy(turns, ukazane);
        wall.push_back(std::chrono::duration<double, std::milli>(
                           std::chrono::steady_clock::now() - w0).count() / turns);
        cpu.push_back((cpu_ms() - c0) / turns);
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(wall.begin(), wall.end());
    char buf[200];
    std::snprintf(buf, sizeof buf,
                  "%.3f ms CPU/turn (%.3f..%.3f), %.3f ms wall, %.2f s of pauses asked/turn",
                  cpu[runs / 2], cpu.front(), cpu.back(), wall[runs / 2],
                  double(asked) / turns / 1000);
    return buf;
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

BenchRegistrar tah{{"computer: whole turn, pauses recorded", [](int n) { tahy(n); }, 200, {}}};
BenchRegistrar tah_cpu{{"computer: whole turn CPU time", {}, 0, [] { return cpu_tahu(false); }}};
BenchRegistrar tah_cpu_ukazany{{"computer: whole turn CPU time, shown window", {}, 0,
                                [] { return cpu_tahu(true); }}};
BenchRegistrar sila{{"computer: power search 20..200", hledani, 2000, {}}};

} // namespace
