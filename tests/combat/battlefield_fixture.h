#pragma once
// A battlefield window set up by hand: flat ground, both tanks standing on it, a small
// sky picture, and the picture painted the way a round start paints it.
#include "combat/ballistics.h"
#include "game/tarvana_hra.h"
#include "tests/support/recorders.h"

#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class BattlefieldTest : public PlatformTest {
protected:
    std::unique_ptr<Tform_hra> okno;

    Tform_hra& f() { return *okno; }
    Canvas& c() { return okno->platno(); }

    void SetUp() override
    {
        PlatformTest::SetUp();
        okno = std::make_unique<Tform_hra>();
        typ_hry = dva_hraci;
        zpozdeni = 0;
        zvuk = true;
        vitr = 0;
        nebe = std::make_unique<QImage>(16, 8, QImage::Format_RGB32);
        for (int y = 0; y < nebe->height(); ++y)
            for (int x = 0; x < nebe->width(); ++x)
                nebe->setPixel(x, y, qRgb(40 + 10 * x, 60 + 20 * y, 200));
        rovina(300);
        postav(0, 100, 45, 70);
        postav(1, 700, 135, 70);
        namaluj();
    }

    void TearDown() override
    {
        okno.reset();
        PlatformTest::TearDown();
    }

    void rovina(int povrch) { vysky.fill(povrch); }

    // Stands player p's tank with its right edge at column x on the ground, full energy.
    void postav(int p, int x, int uhel, int sila)
    {
        PlayerState& s = hrac[p];
        s.x = x;
        s.y = vysky[static_cast<std::size_t>(x - 15)] + 1;
        s.uhel = uhel;
        s.sila = sila;
        s.energie = plna_energie;
        s.nafta = plna_nadrz;
        s.barva = p == 0 ? clWhite : clYellow;
    }

    // An angle and power for player p's shell to end as `kind`, where `kde` likes the point.
    static std::optional<std::pair<int, int>> zamer(int p, ImpactKind kind,
                                                    const std::function<bool(Bod)>& kde = {})
    {
        const int od = p == 0 ? 5 : 90, po = p == 0 ? 90 : 175;
        for (int uhel = od; uhel <= po; ++uhel) {
            for (int sila = 10; sila <= 200; ++sila) {
                const KonecLetu k = simuluj_let(hlaven(hrac[p].x, hrac[p].y, uhel), uhel, sila,
                                                vitr, hrac, bonus_x, vysky, true);
                if (k.vysledek == kind && (!kde || kde(k.bod)))
                    return std::pair{uhel, sila};
            }
        }
        return std::nullopt;
    }

    static void mir(int p, std::pair<int, int> z)
    {
        hrac[p].uhel = z.first;
        hrac[p].sila = z.second;
    }

    // Sky picture in rows 0..199, plain sky below, ground under every column's surface.
    void namaluj()
    {
        Canvas& k = c();
        k.set_brush_pattern(nebe.get());
        k.fill_rect(0, 0, 800, 200);
        k.set_brush_color(barva_nebe);
        k.fill_rect(0, 200, 800, H);
        k.set_pen_width(1);
        k.set_pen_color(clGreen);
        for (int x = 0; x <= W; ++x)
            k.line(x, H, x, vysky[static_cast<std::size_t>(x)]);
        k.take_dirty();
    }
};
