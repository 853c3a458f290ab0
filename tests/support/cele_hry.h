#pragma once
// Plays whole games through the main menu the way a player would: "Start hry", a visit to
// the shop with one purchase, one shot (against the computer its whole turn follows inside
// the same click), and the battlefield's close box. Pauses are summed up instead of slept.
// Used where many games run in one process, to see whether memory stays flat.
//
// Header only and free of the test framework (it needs tarvana_stand_ins): the benchmark
// program plays the same games.
#include "app/tarvana.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/stand_ins.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <string>

// A line of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when it cannot be read.
inline long stav_pameti_kb(const char* pole)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray klic = QByteArray(pole) + ':';
    for (const QByteArray& radek : f.readAll().split('\n'))
        if (radek.startsWith(klic))
            return radek.mid(klic.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

class CeleHry {
public:
    // The games use `zvuky`, or stay silent without one.
    explicit CeleHry(platform::SoundPlayer* zvuky = nullptr)
        : sluzby_(spanek_, pumpa_, zvuky ? *zvuky : static_cast<platform::SoundPlayer&>(ticho_),
                  hodiny_)
    {
        QObject::connect(&ridic_, &QTimer::timeout, [this] { rid(); });
        ridic_.setInterval(1);
    }
    CeleHry(const CeleHry&) = delete;
    CeleHry& operator=(const CeleHry&) = delete;

    // One game against the computer, from the menu back to the menu; the main menu must
    // be up. Returns what went wrong, or an empty text.
    std::string hraj()
    {
        if (!form_uvod || !form_nastaveni)
            return "no main menu";
        form_nastaveni->rdb_clovek_pocitac->setChecked(true);
        krok_ = Krok::zacatek;
        chyba_.clear();
        QTimer pojistka;
        pojistka.setSingleShot(true);
        QObject::connect(&pojistka, &QTimer::timeout, [this] {
            if (chyba_.empty())
                chyba_ = "the game did not end within 60 s";
            krok_ = Krok::konec;
        });
        pojistka.start(60000);
        ridic_.start();
        // Returns once the battlefield has been closed and the menu is back.
        form_uvod->btn_start->click();
        ridic_.stop();
        // What the closed game left for later is released before anyone looks.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (chyba_.empty() && krok_ != Krok::zavreno)
            chyba_ = "no game was started";
        return chyba_;
    }

    // Summed over all games played so far.
    long long prospano_ms() const { return spanek_.summed_ms; }
    int navstev_obchodu() const { return navstev_obchodu_; }
    int vystrelu() const { return vystrelu_; }

private:
    enum class Krok { zacatek, obchod, po_obchodu, strelba, konec, zavreno };

    void rid()
    {
        QWidget* m = QApplication::activeModalWidget();
        if (auto* zprava = qobject_cast<QMessageBox*>(m)) {
            chyba_ = "message box: " + zprava->text().toStdString();
            zprava->close();
            return;
        }
        Tform_hra* f = form_hra;
        if (!f)
            return;
        const bool volno = m == f && f->hra_zacala() && !f->bezi_akce();
        switch (krok_) {
        case Krok::zacatek:
            if (volno && f->btn_obchod->isEnabled()) {
                krok_ = Krok::obchod;
                // Queued: the shop's own loop must not run inside this timer.
                QTimer::singleShot(0, f, [f] { f->btn_obchod->click(); });
            }
            break;
        case Krok::obchod:
            if (auto* o = qobject_cast<Tform_obchod*>(m)) {
                for (QPushButton* b : {o->btn_stredni, o->btn_velka, o->btn_benzin})
                    if (b->isEnabled()) {
                        b->click();
                        break;
                    }
                o->close();
                ++navstev_obchodu_;
                krok_ = Krok::po_obchodu;
            }
            break;
        case Krok::po_obchodu:
            if (volno && f->btn_pal->isEnabled()) {
                krok_ = Krok::strelba;
                QTimer::singleShot(0, f, [this, f] {
                    f->btn_pal->click();
                    ++vystrelu_;
                    krok_ = Krok::konec;
                });
            }
            break;
        case Krok::strelba:
            break;
        case Krok::konec:
            if (m == f && !f->bezi_akce()) {
                krok_ = Krok::zavreno;
                f->close();
            }
            break;
        case Krok::zavreno:
            break;
        }
    }

    // Pauses are only summed up and no sound is kept: nothing piles up over many games.
    RecordingSleeper spanek_ = RecordingSleeper::summing();
    RecordingPump pumpa_;
    RecordingSound ticho_ = RecordingSound::silent();
    // Every round of every game gets its own second, so the landscapes differ from game
    // to game and are the same from run to run.
    SteppingClock hodiny_{1'700'000'000, 1};
    // Installs the four above (or `zvuky`); the real ones go back with it.
    StandInScope sluzby_;
    QTimer ridic_;
    Krok krok_ = Krok::zacatek;
    std::string chyba_;
    int navstev_obchodu_ = 0;
    int vystrelu_ = 0;
};
