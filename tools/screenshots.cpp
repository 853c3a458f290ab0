// Takes the README's pictures: starts the game's real windows, plays the opening of a game
// against the computer through the real buttons and saves each window as a PNG.
//
//   tarvana_screenshots <folder>       (run in the build folder: the game reads data/)
//
// The platform seams make the run reproducible and quick: nothing sleeps, nothing sounds,
// the clock stands still, so every round is rolled from the same seed. The battlefield is
// photographed from inside the message pump while the second shell is in the air.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "combat/ballistics.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "movement/crates.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/stand_ins.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

// The stand-ins (tests/support/stand_ins.h): nothing sleeps or sounds, the pump handles
// pending events like the real anti-freeze and lets the photographer look in, and the
// clock stands still: every round seeds the generator from it, so it picks the landscape
// and the winds.
constexpr std::int64_t still_clock = 1'096'300'800;

QString slozka;
bool chyba = false;

void selhani(const char* co)
{
    std::fprintf(stderr, "screenshots: %s\n", co);
    chyba = true;
}

// Real time passes for the windowing system (mapping, first paint); the game sleeps none.
void pockej(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool pockej_na_okno(QWidget* w)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed()) {
            pockej(300);
            return true;
        }
    }
    selhani("a window never came up");
    return false;
}

// What the screen shows inside the window's frame (with the frame, where a window manager
// draws one). Where the platform has no screen to read (a Wayland client cannot), the
// widget's own picture with the modal window that stands in front of it, where it was put.
QImage snimek(QWidget* w)
{
    const QRect r = w->frameGeometry();
    QPixmap p;
    if (QScreen* s = w->screen())
        p = s->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    if (p.isNull() || p.size() != r.size()) {
        p = w->grab();
        QWidget* pred = QApplication::activeModalWidget();
        if (pred && pred != w && pred->isVisible()) {
            QPainter malir(&p);
            malir.drawPixmap(pred->geometry().topLeft() - w->geometry().topLeft(), pred->grab());
        }
    }
    return p.toImage();
}

void uloz(QWidget* w, const char* jmeno)
{
    const QImage obraz = snimek(w).convertToFormat(QImage::Format_RGB888);
    const QString cesta = QDir(slozka).filePath(QString::fromLatin1(jmeno));
    if (!obraz.save(cesta, "PNG", 9))
        selhani("a picture could not be written");
    else
        std::printf("%s\n", qPrintable(cesta));
}

// Runs `akce` on the modal window that `otevri` brings up, once it is on the screen, and
// closes that window afterwards; returns when `otevri` has returned.
void v_modalnim(const char* co, const std::function<void()>& otevri,
                const std::function<void(QWidget*)>& akce)
{
    bool otevreno = false;
    QTimer hlidka;
    hlidka.setInterval(20);
    QObject::connect(&hlidka, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m)
            return;
        hlidka.stop();
        otevreno = true;
        if (pockej_na_okno(m))
            akce(m);
        m->close();
    });
    hlidka.start();
    otevri();
    if (!otevreno)
        selhani(co);
}

// Player 1's scroll-bar position and power whose shell ends as `cil` wants, if any.
struct Rana {
    int poloha;
    int sila;
};

std::optional<Rana> najdi_ranu(const std::function<bool(const KonecLetu&)>& cil)
{
    const PlayerState& h = hrac[0];
    for (int poloha = 40; poloha >= 5; poloha -= 5)
        for (int sila = 40; sila <= 200; ++sila) {
            const int uhel = 90 - poloha;
            const KonecLetu k = simuluj_let(hlaven(h.x, h.y, uhel), uhel, sila, vitr, hrac,
                                            bonus_x, vysky, true);
            if (cil(k))
                return Rana{poloha, sila};
        }
    return std::nullopt;
}

// The points the shell is drawn at, from the muzzle to its last step in the air.
std::vector<Bod> draha_strely(const Rana& r)
{
    const PlayerState& h = hrac[0];
    const int uhel = 90 - r.poloha;
    Let let(hlaven(h.x, h.y, uhel), uhel, r.sila, vitr);
    std::vector<Bod> body{let.poloha()};
    for (;;) {
        const Bod b = let.krok();
        if (vyhodnot(b, hrac, bonus_x, vysky, true) != ImpactKind::zadny)
            return body;
        body.push_back(b);
    }
}

void miri(Tform_hra& f, const Rana& r, int zbran)
{
    f.cmb_zbran1->setCurrentIndex(zbran);
    f.cmb_zbran1Select();
    f.scr_uhel1->setValue(r.poloha);
    f.scr_sila1->setValue(r.sila);
}

void hraj(Tform_hra& f, RecordingPump& pumpa)
{
    // A big shell into the open ground between the tanks leaves a crater to look at.
    const auto rana1 = najdi_ranu([](const KonecLetu& k) {
        return k.vysledek == ImpactKind::zem && k.bod.x > 250 && k.bod.x < 360;
    });
    if (!rana1)
        return selhani("no shot reaches the middle of this landscape");
    miri(f, *rana1, velka_strela);
    f.btn_pal->click();   // the computer answers inside the click

    // The turn changes roll for a crate; where they missed, roll on as they would.
    for (int pokus = 0; pokus < 100 && bonus_x == 0; ++pokus)
        umisti_bonus(f);
    if (bonus_x == 0)
        return selhani("no crate came down");

    // A plain shell toward the computer's side, photographed at the top of its arc.
    const auto rana2 = najdi_ranu([](const KonecLetu& k) {
        return k.vysledek != ImpactKind::mimo && k.bod.x > 520;
    });
    if (!rana2)
        return selhani("no shot reaches the computer's side");
    const std::vector<Bod> draha = draha_strely(*rana2);
    std::size_t vrchol = 0;
    for (std::size_t i = 0; i < draha.size(); ++i)
        if (draha[i].y >= 30 && (draha[vrchol].y < 30 || draha[i].y < draha[vrchol].y))
            vrchol = i;
    miri(f, *rana2, zakladni_strela);
    std::size_t krok = 0;
    bool vyfoceno = false;
    pumpa.hook = [&] {
        if (!vyfoceno && krok++ == vrchol) {
            vyfoceno = true;
            uloz(&f, "battlefield.png");
        }
    };
    f.btn_pal->click();
    pumpa.hook = nullptr;
    if (!vyfoceno)
        return selhani("the shell came down before it could be photographed");

    // Player 1 goes shopping and buys a shell: the shop in front of the battlefield.
    v_modalnim("the shop did not open", [&] { f.btn_obchod->click(); },
               [&](QWidget* m) {
                   auto* obchod = qobject_cast<Tform_obchod*>(m);
                   if (!obchod)
                       return selhani("something else came up instead of the shop");
                   obchod->btn_stredni->click();
                   pockej(200);
                   uloz(&f, "shop.png");
               });
}

void scenar(RecordingPump& pumpa)
{
    if (pockej_na_okno(form_uvod))
        uloz(form_uvod, "main-menu.png");

    v_modalnim("the settings did not open", [] { form_uvod->btn_nastaveni->click(); },
               [](QWidget* m) {
                   if (m != form_nastaveni)
                       return selhani("something else came up instead of the settings");
                   uloz(m, "settings.png");
               });

    form_uvod->btn_about->click();
    if (pockej_na_okno(form_about))
        uloz(form_about, "about.png");
    form_about->close();
    pockej(100);

    v_modalnim("the battlefield did not open", [] { form_uvod->btn_start->click(); },
               [&](QWidget* m) {
                   auto* f = qobject_cast<Tform_hra*>(m);
                   if (!f)
                       return selhani("something else came up instead of the battlefield");
                   QElapsedTimer t;
                   t.start();
                   while (!f->hra_zacala() && t.elapsed() < 5000)
                       QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
                   if (!f->hra_zacala())
                       return selhani("the game did not start");
                   hraj(*f, pumpa);
               });
    form_uvod->close();
}

} // namespace

int main(int argc, char** argv)
{
    TarvanaAplikace app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvana_screenshots <folder>\n");
        return 2;
    }
    slozka = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(slozka);

    RecordingSleeper spanek = RecordingSleeper::summing();
    RecordingPump pumpa;
    RecordingSound ticho = RecordingSound::silent();
    ScriptedRandom nahodna(0);
    SteppingClock hodiny(still_clock);
    StandInScope sluzby(spanek, pumpa, ticho, nahodna, hodiny);

    spust_tarvanu();
    QTimer::singleShot(0, [&] { scenar(pumpa); });
    app.exec();
    zrus_okna();
    return chyba ? 1 : 0;
}
