#pragma once
// A battlefield set up by hand for the movement and shop cases: flat ground at row 300,
// player 1 at column 100, player 2 at 650, both with full tanks, two humans playing,
// player 1 to move with the battle controls enabled, and sound off.
#include "game/tarvana_hra.h"
#include "tests/support/recorders.h"

#include <QTest>
#include <memory>

class BojisteTest : public PlatformTest {
protected:
    std::unique_ptr<Tform_hra> f;

    void SetUp() override
    {
        PlatformTest::SetUp();
        f = std::make_unique<Tform_hra>();
        form_hra = f.get();
        vysky.fill(300);
        zvuk = false;
        typ_hry = dva_hraci;
        na_tahu = 0;
        for (int p = 0; p < 2; ++p) {
            hrac[p].energie = plna_energie;
            hrac[p].nafta = plna_nadrz;
            f->cgg_energie(p)->setProgress(plna_energie);
            f->cgg_nadrz(p)->setProgress(plna_nadrz);
        }
        postav(0, 100);
        postav(1, 650);
        f->cmb_zbran1->setEnabled(true);
        f->btn_pal->setEnabled(true);
        f->btn_obchod->setEnabled(true);
    }

    void TearDown() override
    {
        f.reset();
        PlatformTest::TearDown();
    }

    void postav(int p, int x)
    {
        hrac[p].x = x;
        hrac[p].y = vysky[static_cast<std::size_t>(x - 15)] + 1;
    }

    void natankuj(int p, int nafta)
    {
        hrac[p].nafta = nafta;
        f->cgg_nadrz(p)->setProgress(nafta);
    }

    // A mouse button released over the battlefield picture at column X.
    void klik(int X, Qt::MouseButton tlacitko = Qt::LeftButton)
    {
        QTest::mouseClick(f->img_krajina, tlacitko, {}, QPoint(X, 150));
    }
};
