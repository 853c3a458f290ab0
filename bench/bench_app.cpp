// The program as a whole: how long the main menu takes to appear, and how much memory the
// process holds after one game and after a hundred (counters in MiB). Each figure comes
// from a fresh process.
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "bench/bench.h"
#include "game/qt_sound_player.h"
#include "tests/support/cele_hry.h"

#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using Hodiny = std::chrono::steady_clock;

double ms_od(Hodiny::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Hodiny::now() - t0).count();
}

Figures selhani(std::string duvod)
{
    Figures f;
    f.error = std::move(duvod);
    return f;
}

double mib(long kb) { return kb / 1024.0; }

// The real executable, started the way a player starts it (from its folder), until it
// reports its menu painted. The first start only warms the disk cache; the time is the
// median of the seven starts after it.
Figures start_programu()
{
    constexpr int behu = 7;
    std::vector<double> ms;
    for (int i = 0; i <= behu; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TARVANA_HLAS_VYKRESLENI"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QStringLiteral(TARVANA_BUILD_DIR));
        const auto t0 = Hodiny::now();
        p.start(QStringLiteral(TARVANA_BUILD_DIR "/app/tarvana"), {});
        bool hlaseno = false;
        while (!hlaseno && p.waitForReadyRead(10000))
            hlaseno = p.readAllStandardOutput().contains("menu vykresleno");
        const double t = ms_od(t0);
        if (!p.waitForFinished(10000))
            p.kill();
        if (!hlaseno)
            return selhani("the menu was not reported painted");
        if (i > 0)
            ms.push_back(t);
    }
    std::sort(ms.begin(), ms.end());
    Figures f;
    f.seconds = ms[ms.size() / 2] / 1000;
    f.counters = {{"starts", double(ms.size())}, {"fastest_ms", ms.front()},
                  {"slowest_ms", ms.back()}};
    return f;
}

// Paint events of the main menu, counted.
class HlidacMalovani : public QObject {
public:
    bool namalovano = false;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == form_uvod && e->type() == QEvent::Paint)
            namalovano = true;
        return false;
    }
};

// Lets the application run until the menu has been painted once (or 10 s have passed).
bool cekej_na_menu(HlidacMalovani& hlidac)
{
    const auto t0 = Hodiny::now();
    while (!hlidac.namalovano && ms_od(t0) < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The paint event's own handling, and the flush of the picture, are done when
    // processEvents has returned.
    return hlidac.namalovano;
}

[[maybe_unused]] auto* const start_procesu =
    in_own_process("app: start-up, process to painted menu", start_programu);

[[maybe_unused]] auto* const start_oken =
    in_own_process("app: start-up, spust_tarvanu to painted menu", [] {
        HlidacMalovani hlidac;
        qApp->installEventFilter(&hlidac);
        const auto t0 = Hodiny::now();
        spust_tarvanu();
        const double vytvoreno = ms_od(t0);
        const bool ok = cekej_na_menu(hlidac);
        const double t = ms_od(t0);
        qApp->removeEventFilter(&hlidac);
        zrus_okna();
        if (!ok)
            return selhani("the menu was never painted");
        Figures f;
        f.seconds = t / 1000;
        f.counters = {{"windows_created_ms", vytvoreno}};
        return f;
    });

// The menu up and painted, the real sound player in place as in the game.
struct Program {
    std::unique_ptr<platform::SoundPlayer> zvuky = vytvor_qt_prehravac([] {});
    std::unique_ptr<CeleHry> hry;
    bool ok = false;
    Program()
    {
        HlidacMalovani hlidac;
        qApp->installEventFilter(&hlidac);
        spust_tarvanu();
        ok = cekej_na_menu(hlidac);
        qApp->removeEventFilter(&hlidac);
        hry = std::make_unique<CeleHry>(zvuky.get());
    }
    ~Program()
    {
        hry.reset();
        zrus_okna();
    }
};

// The time is that of the game.
[[maybe_unused]] auto* const jedna_hra = in_own_process("memory: RSS after one game", [] {
    Program program;
    if (!program.ok)
        return selhani("the menu was never painted");
    const long menu = stav_pameti_kb("VmRSS");
    const auto t0 = Hodiny::now();
    const std::string chyba = program.hry->hraj();
    const double t = ms_od(t0);
    if (!chyba.empty())
        return selhani(chyba);
    Figures f;
    f.seconds = t / 1000;
    f.counters = {{"rss_MiB", mib(stav_pameti_kb("VmRSS"))},
                  {"menu_rss_MiB", mib(menu)},
                  {"peak_rss_MiB", mib(stav_pameti_kb("VmHWM"))}};
    return f;
});

// The time is that of the hundred games; one run only (a few seconds under Xvfb).
[[maybe_unused]] auto* const sto_her =
    in_own_process("memory: 100 games, RSS after game 10 and 100", [] {
        Program program;
        if (!program.ok)
            return selhani("the menu was never painted");
        long po_10 = 0;
        const auto t0 = Hodiny::now();
        for (int hra = 1; hra <= 100; ++hra) {
            const std::string chyba = program.hry->hraj();
            if (!chyba.empty())
                return selhani("game " + std::to_string(hra) + ": " + chyba);
            if (hra == 10)
                po_10 = stav_pameti_kb("VmRSS");
        }
        const double t = ms_od(t0);
        const long po_100 = stav_pameti_kb("VmRSS");
        Figures f;
        f.seconds = t / 1000;
        f.counters = {{"rss_after_10_MiB", mib(po_10)},
                      {"rss_after_100_MiB", mib(po_100)},
                      {"growth_MiB", mib(po_100 - po_10)}};
        return f;
    })->Repetitions(1);

} // namespace
