#pragma once
// The application object and the program's start-up and shut-down.
#include "game/exceptions.h"

#include <QApplication>
#include <exception>

// Runs f. An exception that escapes it is shown in the standard exception message box,
// with an empty message when it is not one of ours, and the program carries on.
// Returns false when that happened.
template <class F>
bool zachyt_vyjimku(F&& f)
{
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        ukaz_vyjimku(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ukaz_vyjimku(QString());
    }
    return false;
}

// How the windows reach the screen; must run before the application object opens the
// windowing system (the application object does it itself).
void nastav_platformu_oken();

// Catches what escapes any event handler, so one faulty handler does not end the game.
class TarvanaAplikace : public QApplication {
public:
    TarvanaAplikace(int& argc, char** argv);
    bool notify(QObject* prijemce, QEvent* udalost) override;
};

// Titles the application, creates the five windows and shows the main menu.
void spust_tarvanu();
// Creates the five windows in their fixed order; the main menu comes first.
void zaloz_okna();
// Releases the windows that are left, last created first.
void zrus_okna();
