#include "app/tarvana_aplikace.h"
#include "game/platform.h"
#include "game/qt_sound_player.h"

int main(int argc, char** argv)
{
    TarvanaAplikace app(argc, argv);
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
