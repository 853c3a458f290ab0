#include "app/tarvana_aplikace.h"
#include "game/platform.h"

int main(int argc, char** argv)
{
    TarvanaAplikace app(argc, argv);
    zachyt_vyjimku([&] {
        spust_tarvanu();
        app.exec();
    });
    zrus_okna();
    return 0;
}
