#include "app/tarvana_aplikace.h"

#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"

#include <QFont>
#include <QIcon>
#include <QPixmapCache>
#include <QStringList>
#include <utility>

void nastav_platformu_oken()
{
    // Shared memory would spare the X server a copy of each repaint, but then Qt has to
    // wait for the server to finish reading it before the next paint of the same place,
    // and a shell's flight repaints the same few pixels step after step: that wait is a
    // round trip per step, most of a step's cost. The game's repaints are small enough to
    // travel in the request itself.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

namespace {

int& pred_otevrenim_oken(int& argc)
{
    nastav_platformu_oken();
    return argc;
}

} // namespace

TarvanaAplikace::TarvanaAplikace(int& argc, char** argv)
    : QApplication(pred_otevrenim_oken(argc), argv)
{
}

bool TarvanaAplikace::notify(QObject* prijemce, QEvent* udalost)
{
    bool vysledek = false;
    zachyt_vyjimku([&] { vysledek = QApplication::notify(prijemce, udalost); });
    return vysledek;
}

void spust_tarvanu()
{
    // Plain message boxes take this as their caption. Only the name is set: a display
    // name would be appended to every window caption by some window managers.
    QApplication::setApplicationName(QStringLiteral("Tarvana"));
    // Task bars and docks match the windows to the menu entry by this name (the installed
    // com.mervoss.tarvana.desktop) and show this icon for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.mervoss.tarvana"));
    // The icons are compiled into a static library; naming them keeps the linker from
    // leaving them out as unused.
    Q_INIT_RESOURCE(tarvana);
    QIcon ikona(QStringLiteral(":/ikony/tarvana.png"));
    ikona.addFile(QStringLiteral(":/ikony/tarvana-256.png"));
    QApplication::setWindowIcon(ikona);
    // The main menu hides while a game runs, so closing the battlefield may leave no
    // window visible; only closing the main menu ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows are laid out for these two fonts; where they are missing, the nearest
    // in width keeps the texts inside their boxes.
    const QStringList nahrady{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                              QStringLiteral("Helvetica")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), nahrady);
    QFont::insertSubstitutions(QStringLiteral("Arial"), nahrady.mid(1));
    // The style keeps its drawings of controls in the pixmap cache under the palette they
    // were drawn with, and every game's battlefield brings its controls fresh palette
    // copies: game after game the cache would fill with drawings no window shows again,
    // and it never forgets their keys. The few controls draw fast enough without it.
    QPixmapCache::setCacheLimit(0);
    zaloz_okna();
    form_uvod->show();
}

void zaloz_okna()
{
    form_uvod = new Tform_uvod;
    form_hra = new Tform_hra;
    form_nastaveni = new Tform_nastaveni;
    form_obchod = new Tform_obchod;
    form_about = new Tform_about;
}

void zrus_okna()
{
    delete std::exchange(form_about, nullptr);
    delete std::exchange(form_obchod, nullptr);
    delete std::exchange(form_nastaveni, nullptr);
    delete std::exchange(form_hra, nullptr);
    delete std::exchange(form_uvod, nullptr);
}
