#include "game/sky_picture.h"

#include "game/bitmap_file.h"
#include "game/game_state.h"

#include <QFile>
#include <QImageReader>

std::unique_ptr<QImage> nebe;

void obnov_pocatecni_stav()
{
    obnov_promenne_hry();
    nebe.reset();
}

bool nacti_obrazek_nebe(const std::string& soubor, QImage& obraz)
{
    // The file that was checked is the one decoded: one open, read by offset for the check
    // and then from its start by the decoder.
    const DatovySoubor s(soubor);
    if (!s || !bmp_je_cely(s.velikost(), s.ctecka()))
        return false;
    QFile f;
    if (!f.open(s.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return false;
    QImageReader cteni(&f);
    return cteni.read(&obraz) && !obraz.isNull();
}
