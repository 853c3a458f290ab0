#include "movement/driving.h"

#include "battlefield/drawing.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "movement/crates.h"

#include <algorithm>

namespace {

// The ground row under a column; columns off the heightmap read its nearest end.
int zem_pod(int sloupec)
{
    return vysky[static_cast<std::size_t>(std::clamp(sloupec, 0, static_cast<int>(vysky.size()) - 1))];
}

// Whether the tank of player p, standing at x, may not take another step that way.
bool na_kraji(int p, int x, int smer)
{
    if (smer > 0)
        return (p == 0 && x >= 298) || x >= W;
    return (p == 1 && x <= 492) || x <= 40;
}

// The crate touches the tank at x; the window lies ahead of the tank in either direction.
bool dotyk_bedny(int x, int smer)
{
    if (bonus_x == 0)
        return false;
    return smer > 0 ? x >= bonus_x - 5 && x <= bonus_x + 22
                    : x >= bonus_x + 5 && x <= bonus_x + 32;
}

// The fire and shop buttons stay off while a human drives: the drive lets the window
// handle its pending messages once, and a shot or a shop visit started there would run
// inside the drive, on the same player.
class TlacitkaVypnuta {
public:
    explicit TlacitkaVypnuta(Tform_hra& f)
        : f_(f), pal_(f.btn_pal->isEnabled()), obchod_(f.btn_obchod->isEnabled()),
          fokus_(f.focusWidget())
    {
        f_.btn_pal->setEnabled(false);
        f_.btn_obchod->setEnabled(false);
    }
    ~TlacitkaVypnuta()
    {
        // The weapon box stays usable during the drive and a crate may bring shells:
        // on the player's own turn the fire button follows the weapon chosen by now.
        f_.btn_pal->setEnabled(obchod_ ? muze_strilet(na_tahu) : pal_);
        f_.btn_obchod->setEnabled(obchod_);
        // Disabling moved the focus on; give it back to the button that had it.
        if (fokus_ == f_.btn_pal || fokus_ == f_.btn_obchod)
            if (fokus_->isEnabled())
                fokus_->setFocus();
    }
    TlacitkaVypnuta(const TlacitkaVypnuta&) = delete;
    TlacitkaVypnuta& operator=(const TlacitkaVypnuta&) = delete;

private:
    Tform_hra& f_;
    bool pal_;
    bool obchod_;
    QWidget* fokus_;
};

bool ridi_mysi(int p)
{
    switch (typ_hry) {
    case dva_hraci: return true;
    case proti_pocitaci:
    case sit_server: return p == 0;
    case sit_klient: return p == 1;
    default: return false;
    }
}

} // namespace

void jizda_tanku(Tform_hra& f, int smer, int cil)
{
    smer = smer > 0 ? 1 : smer < 0 ? -1 : 0;
    const int p = na_tahu;
    PlayerState& h = hrac[p];
    probiha_akce = true;
    f.lbl_infotext->setText(QString());
    f.lbl_infotext->repaint();

    // An empty tank does not start: the first step would take fuel it has not got.
    if (smer != 0 && !na_kraji(p, h.x, smer) && h.nafta > 0) {
        if (zvuk) {
            platform::play_sound("data/motor.wav");
            f.pauza(4100);
        }
        f.zpracuj_zpravy();
        const int konec = cil + 15;
        // The first step puts the tank on the column it stands on: it costs fuel all the
        // same, so a drive over n columns takes n + 1 units.
        for (int c = h.x; smer > 0 ? c <= konec : c >= konec; c += smer) {
            if (na_kraji(p, h.x, smer))
                break;
            h.nafta -= 1;
            f.cgg_nadrz(p)->setProgress(h.nafta);
            kresli_tank(f.platno(), p, barva_nebe);
            h.x = c;
            h.y = zem_pod(c - 15) + 1;
            kresli_tank(f.platno(), p, 0);
            if (dotyk_bedny(h.x, smer)) {
                seber_bonus(f);
                break;
            }
            f.ukaz();
            f.pauza(60);
            if (h.nafta <= 0)
                break;
        }
    }

    platform::stop_sound();
    probiha_akce = false;
}

void Tform_hra::img_krajinaMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int)
{
    // A click before the first round or after the game would drive a tank of a game
    // that is not on; before the first round, its set-up would then run inside the drive.
    if (probiha_akce || bez_kola())
        return;
    const int p = na_tahu;
    if (!ridi_mysi(p))
        return;
    const PlayerState& h = hrac[p];
    if (h.nafta <= 0)
        return;
    int smer = 0;
    if (h.x < X + 15)
        smer = 1;
    else if (h.x > X + 15)
        smer = -1;
    if (smer == 0)
        return;
    Akce akce(*this);
    TlacitkaVypnuta vypnuta(*this);
    jizda_tanku(*this, smer, X);
}
