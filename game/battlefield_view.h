#pragma once
// What the game's operations (a shot, a drive, the computer's turn, a shop visit) need of
// the battlefield window: its picture and pacing, and the few displays they write. The
// window implements it; the operations know nothing else of the window, so that they sit
// below it and the window's handlers call down into them.
#include "battlefield/canvas.h"

#include <QString>

class QWidget;

class BojistePohled {
public:
    virtual ~BojistePohled() = default;

    // The picture, shown at once; the UI thread's sleep; the anti-freeze; the whole
    // window repainted. Each animation step goes through these, so that a window closed
    // mid-action finishes that action at once, unseen.
    virtual Canvas& platno() = 0;
    // The window itself, as the owner of the windows an operation opens over it.
    virtual QWidget* okno() = 0;
    virtual void ukaz() = 0;
    virtual void pauza(int ms) = 0;
    virtual void zpracuj_zpravy() = 0;
    virtual void obnov_okno() = 0;

    // The eight battle controls of both players off, as every shot begins.
    virtual void zakaz_ovladani() = 0;
    // A tank was destroyed: the next round, with player zacina to move.
    virtual void nove_kolo(int zacina) = 0;

    // The info line over the top-left corner of the picture.
    virtual void nastav_info(const QString& text) = 0;
    virtual void prekresli_info() = 0;
    virtual void ukaz_info(bool viditelna) = 0;
    // Tells a screen reader what a sighted player sees happen; nothing on the screen changes.
    virtual void ohlas(const QString& text) = 0;

    // Player p's status panel. Texts are written as shown; the gauges keep to their
    // ranges and read back what they show.
    virtual QString jmeno(int p) const = 0;
    virtual QString penize(int p) const = 0;
    virtual void nastav_penize(int p, const QString& text) = 0;
    virtual void prekresli_penize(int p) = 0;
    virtual int energie(int p) const = 0;
    virtual void nastav_energii(int p, int hodnota) = 0;
    virtual int nafta(int p) const = 0;
    virtual void nastav_naftu(int p, int hodnota) = 0;
    // The count of a WeaponKind (kind 0 has the "-" label).
    virtual QString naboje(int p, int druh) const = 0;
    virtual void nastav_naboje(int p, int druh, const QString& text) = 0;
    // Only the count of that kind in view, repainted.
    virtual void ukaz_naboje(int p, int druh) = 0;
    // Points, repainted at once.
    virtual void nastav_body(int p, int body) = 0;
    virtual void nastav_vitr(const QString& text) = 0;

    // The aiming controls set from code, as the computer does. A scroll-bar position that
    // changes runs its change handler; a weapon chosen here runs no select handler.
    virtual bool ovladani_povoleno(int p) const = 0;
    virtual void vyber_zbran(int p, int druh) = 0;
    virtual int poloha_uhlu(int p) const = 0;
    virtual void nastav_polohu_uhlu(int p, int poloha) = 0;
    virtual void nastav_popisek_uhlu(int p, const QString& text) = 0;
    virtual void nastav_polohu_sily(int p, int poloha) = 0;
    virtual void nastav_popisek_sily(int p, const QString& text) = 0;
};

// The newest battlefield: the one a shop opened without one of its own works on.
extern BojistePohled* posledni_bojiste;
