#pragma once
// A battlefield window with the computer to move on flat ground, and a look at the turn at
// two moments: when it has bought, driven and chosen its weapon (the 1500 ms pause), and
// just before it fires (the messages processed right before the shot).
#include "game/tarvana_hra.h"
#include "tests/support/recorders.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

struct Okamzik {
    bool zachyceno = false;
    PlayerState ja;
    int scr_uhel2 = 0;
    int scr_sila2 = 0;
    QString lbl_uhel2;
    QString lbl_sila2;
    // Which of player 2's count labels are hidden, by WeaponKind.
    std::array<bool, pocet_zbrani> naboje_skryte{};
};

class PocitacTest : public PlatformTest {
protected:
    std::unique_ptr<Tform_hra> f;
    // Every pause in order, with a hook that looks at the turn at its 1500 ms pause.
    RecordingSleeper spanek;
    Okamzik po_vyberu;
    Okamzik pred_vystrelem;

    void SetUp() override
    {
        PlatformTest::SetUp();
        platform::install(&spanek);
        priprav();
    }

    // A fresh window and game state: the computer to move, full tanks, 2500 credits.
    // Cases of a table call it again for each row.
    void priprav()
    {
        f.reset();
        obnov_pocatecni_stav();
        random.next.clear();
        sound.log.clear();
        spanek.calls.clear();
        po_vyberu = pred_vystrelem = Okamzik{};
        pumpy_po_vyberu_ = 0;
        f = std::make_unique<Tform_hra>();
        form_hra = f.get();
        typ_hry = proti_pocitaci;
        na_tahu = 1;
        vitr = 0;
        zpozdeni = 0;
        for (PlayerState& p : hrac) {
            p.penize = 2500;
            p.energie = plna_energie;
            p.nafta = plna_nadrz;
            p.naboje = {0, 5, 3, 0, 0};
            p.sila = 70;
        }
        hrac[0].uhel = 45;
        hrac[1].uhel = 135;
        rovina(300);

        spanek.hook = [this](int ms) {
            if (ms == 1500 && !po_vyberu.zachyceno)
                po_vyberu = zachyt();
        };
        // Messages are processed once after the 1500 ms pause and once more right before
        // the shot: the second time shows the aim as it is fired.
        pump.hook = [this] {
            if (po_vyberu.zachyceno && !pred_vystrelem.zachyceno && ++pumpy_po_vyberu_ == 2)
                pred_vystrelem = zachyt();
        };
    }

    void TearDown() override
    {
        f.reset();
        PlatformTest::TearDown();
    }

    // Flat ground at row h, both tanks standing on it at their usual columns.
    void rovina(std::int32_t h)
    {
        vysky.fill(h);
        postav(0, 100);
        postav(1, W - 100);
    }

    void postav(int p, std::int32_t x)
    {
        hrac[p].x = x;
        hrac[p].y = vysky[x - 15] + 1;
    }

    Okamzik zachyt() const
    {
        Okamzik o{true, hrac[1], f->scr_uhel2->value(), f->scr_sila2->value(),
                  f->lbl_uhel2->text(), f->lbl_sila2->text(), {}};
        for (int k = 0; k < pocet_zbrani; ++k)
            o.naboje_skryte[k] = f->lbl_naboje(1, k)->isHidden();
        return o;
    }

private:
    int pumpy_po_vyberu_ = 0;
};
