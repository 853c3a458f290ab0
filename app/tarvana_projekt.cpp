#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "game/platform.h"
#include "game/qt_sound_player.h"

#include <QTimer>
#include <cstdio>

namespace {

// For timing the start-up from outside (the benchmark starts the program with
// TARVANA_HLAS_VYKRESLENI set): one line on stdout once the main menu has been painted
// for the first time, then the program ends.
class HlasVykresleni final : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == form_uvod) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the painted menu reaches the screen before the line is written.
            QTimer::singleShot(0, [] {
                std::puts("menu vykresleno");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    TarvanaAplikace app(argc, argv);
    HlasVykresleni hlas;
    if (qEnvironmentVariableIsSet("TARVANA_HLAS_VYKRESLENI"))
        app.installEventFilter(&hlas);
    const auto prehravac = vytvor_qt_prehravac();
    platform::install(prehravac.get());
    zachyt_vyjimku([&] {
        spust_tarvanu();
        app.exec();
    });
    zrus_okna();
    platform::install(static_cast<platform::SoundPlayer*>(nullptr));
    return 0;
}
