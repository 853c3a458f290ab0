// The monkey's rule checks (monkey_parts.h) and the game state they compare.
#include "tests/support/monkey_parts.h"

#include "game/turns.h"

#include <QApplication>

#include <algorithm>
#include <utility>

namespace monkey {

namespace {

int modal_windows()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible() && w->isModal();
    return n;
}

} // namespace

Snapshot Snapshot::now()
{
    Snapshot s;
    s.h = {hrac[0], hrac[1]};
    s.v = vysky;
    s.bonus = bonus_x;
    s.tah = na_tahu;
    return s;
}

std::string Snapshot::difference(const Snapshot& o) const
{
    std::ostringstream d;
    for (int p = 0; p < 2; ++p) {
        const PlayerState& a = h[p];
        const PlayerState& b = o.h[p];
        const std::pair<const char*, std::pair<int, int>> pole[] = {
            {"penize", {a.penize, b.penize}},
            {"energie", {a.energie, b.energie}},
            {"nafta", {a.nafta, b.nafta}},
            {"stav", {a.stav, b.stav}},
            {"x", {a.x, b.x}},
            {"y", {a.y, b.y}},
            {"naboje[1]", {a.naboje[1], b.naboje[1]}},
            {"naboje[2]", {a.naboje[2], b.naboje[2]}},
            {"naboje[3]", {a.naboje[3], b.naboje[3]}},
            {"naboje[4]", {a.naboje[4], b.naboje[4]}},
        };
        for (const auto& [jmeno, hodnoty] : pole)
            if (hodnoty.first != hodnoty.second) {
                d << "hrac[" << p << "]." << jmeno << " " << hodnoty.first << " -> "
                  << hodnoty.second;
                return d.str();
            }
    }
    if (bonus != o.bonus)
        d << "bonus_x " << bonus << " -> " << o.bonus;
    else if (tah != o.tah)
        d << "na_tahu " << tah << " -> " << o.tah;
    else if (v != o.v)
        d << "vysky changed";
    return d.str();
}

ShopView ShopView::of(const Tform_obchod& o)
{
    ShopView v;
    v.kredit = cele_cislo(o.lbl_stav_kredit->text());
    v.energie = cele_cislo(o.lbl_stav_energie->text());
    v.nafta = cele_cislo(o.lbl_stav_nafta->text());
    v.naboje[1] = cele_cislo(o.lbl_naboje_stredni->text());
    v.naboje[2] = cele_cislo(o.lbl_naboje_velka->text());
    v.naboje[3] = cele_cislo(o.lbl_naboje_mini->text());
    v.naboje[4] = cele_cislo(o.lbl_naboje_mega->text());
    return v;
}

RunState::RunState(std::uint32_t seed, long events)
    : budget(events), session_budget(std::clamp<long>(events / 8, 60, 300)),
      goal(static_cast<int>(seed % game_types.size()))
{}

void RunState::fail(const std::string& what)
{
    if (report.findings.size() >= 30)
        return;
    std::ostringstream s;
    s << what << "\n    after:";
    for (const std::string& t : trail)
        s << "\n      " << t;
    report.findings.push_back(s.str());
}

void RuleChecks::expect(bool ok, const std::string& what)
{
    if (!ok)
        run_.fail(what);
}

void RuleChecks::check()
{
    ++run_.report.checks;
    for (int p = 0; p < 2; ++p) {
        const PlayerState& h = hrac[p];
        const std::string kdo = "hrac[" + std::to_string(p) + "].";
        for (int k = stredni_strela; k < pocet_zbrani; ++k)
            expect(h.naboje[k] >= 0,
                   kdo + "naboje[" + std::to_string(k) + "] = " + std::to_string(h.naboje[k]));
        expect(h.nafta >= 0 && h.nafta <= plna_nadrz, kdo + "nafta " + std::to_string(h.nafta));
        expect(h.energie <= plna_energie, kdo + "energie " + std::to_string(h.energie));
        if (run_.round_seen) {
            expect(h.sila >= 10 && h.sila <= 200, kdo + "sila " + std::to_string(h.sila));
            const bool uhel_ok
                = p == 0 ? h.uhel >= 5 && h.uhel <= 90 : h.uhel >= 90 && h.uhel <= 175;
            expect(uhel_ok, kdo + "uhel " + std::to_string(h.uhel));
        }
    }
    // Player 1 is always a human, and so is player 2 in a game of two.
    expect(hrac[0].penize >= 0, "player 1's credits " + std::to_string(hrac[0].penize));
    if (run_.game && typ_hry == dva_hraci)
        expect(hrac[1].penize >= 0, "player 2's credits " + std::to_string(hrac[1].penize));
    expect(vitr >= -5 && vitr <= 5, "vitr " + std::to_string(vitr));
    if (run_.round_seen) {
        for (int c = 0; c <= W; ++c)
            if (vysky[c] < 250 || vysky[c] > H) {
                run_.fail("vysky[" + std::to_string(c) + "] = " + std::to_string(vysky[c]));
                break;
            }
    }
    if (!form_hra || !form_hra->bezi_akce())
        expect(!probiha_akce, "probiha_akce set while no action runs");
    expect(modal_windows() <= 3, "more than three modal windows open");
    if (form_hra && form_hra->isVisible() && form_hra->hra_zacala()) {
        Tform_hra& f = *form_hra;
        for (int p = 0; p < 2; ++p) {
            const Gauge* e = f.cgg_energie(p);
            const Gauge* n = f.cgg_nadrz(p);
            expect(e->progress() >= 0 && e->progress() <= plna_energie, "energy gauge");
            expect(n->progress() >= 0 && n->progress() <= plna_nadrz, "fuel gauge");
            for (int k = stredni_strela; k < pocet_zbrani; ++k)
                expect(cele_cislo(f.lbl_naboje(p, k)->text()) >= 0, "a negative count shown");
        }
    }
    if (quiet())
        check_quiet(*form_hra);
}

bool RuleChecks::quiet() const
{
    Tform_hra* f = form_hra;
    return f && f == run_.game && f->isVisible() && f->hra_zacala() && nebe && !f->bezi_akce()
           && !probiha_akce && !f->zavira_se() && run_.in_pump == 0
           && QApplication::activeModalWidget() == f;
}

void RuleChecks::check_quiet(Tform_hra& f)
{
    ++run_.report.quiet_checks;
    const Snapshot ted = Snapshot::now();
    if (typ_hry == proti_pocitaci)
        expect_eq(na_tahu, 0, "the computer's turn is not over");
    const int aktivni = na_tahu;
    for (int p = 0; p < 2; ++p) {
        const PlayerState& h = hrac[p];
        const std::string kdo = "player " + std::to_string(p + 1) + " ";
        expect_eq(h.y, vysky[static_cast<std::size_t>(std::clamp(h.x - 15, 0, W))] + 1,
                  kdo + "does not stand on its centre column at x " + std::to_string(h.x));
        if (p == 0)
            expect(h.x >= 40 && h.x <= 298, kdo + "x " + std::to_string(h.x));
        else
            expect(h.x >= 492 && h.x <= W, kdo + "x " + std::to_string(h.x));
        expect(h.energie > 0, kdo + "has no energy, but no new round began");
        expect_eq(f.lbl_penize(p)->text().toStdString(), std::to_string(h.penize),
                  kdo + "money label");
        expect_eq(f.cgg_energie(p)->progress(), std::clamp(h.energie, 0, plna_energie),
                  kdo + "energy gauge");
        expect_eq(f.cgg_nadrz(p)->progress(), h.nafta, kdo + "fuel gauge");
        expect_eq(f.lbl_stav(p)->text().toStdString(), std::to_string(h.stav), kdo + "score label");
        for (int k = stredni_strela; k < pocet_zbrani; ++k)
            expect_eq(f.lbl_naboje(p, k)->text().toStdString(), std::to_string(h.naboje[k]),
                      kdo + "count label " + std::to_string(k));
        expect_eq(f.lbl_sila(p)->text().toStdString(), std::to_string(h.sila), kdo + "power label");
        expect_eq(f.scr_sila(p)->value(), h.sila, kdo + "power bar");
        const bool clovek = p == 0 || typ_hry == dva_hraci;
        if (clovek) {
            // (The computer may fire at an angle its bar does not show.)
            const int uhel
                = p == 0 ? 90 - f.scr_uhel1->value() : std::abs(f.scr_uhel2->value() - 90) + 90;
            expect_eq(uhel, h.uhel, kdo + "angle bar");
            expect_eq(f.cmb_zbran(p)->currentIndex(), h.zbran, kdo + "weapon box");
            for (int k = 0; k < pocet_zbrani; ++k)
                expect_eq(f.lbl_naboje(p, k)->isVisibleTo(&f), k == h.zbran,
                          kdo + "count label shown for kind " + std::to_string(k));
        }
        const bool na_rade = clovek && p == aktivni;
        for (QWidget* w :
             {static_cast<QWidget*>(f.scr_uhel(p)), static_cast<QWidget*>(f.scr_sila(p)),
              static_cast<QWidget*>(f.cmb_zbran(p))})
            expect_eq(w->isEnabled(), na_rade, kdo + w->metaObject()->className() + " enabled");
    }
    if (aktivni == 0 || typ_hry == dva_hraci) {
        expect(f.btn_obchod->isEnabled(), "the shop button is off during a human's turn");
        expect_eq(f.btn_pal->isEnabled(), muze_strilet(aktivni),
                  "fire button enabled vs the selected weapon's stock");
    }
    if (bonus_x != 0)
        expect(bonus_x >= 15 && bonus_x <= W - 16 && (bonus_x < 298 || bonus_x > 492),
               "a crate at column " + std::to_string(bonus_x));

    if (run_.baseline_valid) {
        // A human's credits move only by the game's rules.
        for (int p = 0; p < 2; ++p) {
            if (p == 1 && typ_hry != dva_hraci)
                continue;
            const bool nakupoval = run_.since_quiet.shop && run_.shop && run_.shop_player == p;
            const int zaklad = nakupoval ? cele_cislo(run_.shop->lbl_stav_kredit->text())
                                         : run_.baseline.h[p].penize;
            const int zisk = hrac[p].penize - zaklad;
            std::ostringstream s;
            s << "player " << p + 1 << "'s credits " << zaklad << " -> " << hrac[p].penize;
            if (run_.since_quiet.fire)
                expect(zisk >= 0 && zisk % 5 == 0, s.str() + " in a shot");
            else if (run_.since_quiet.drive)
                expect(zisk >= 0 && zisk % 1000 == 0, s.str() + " in a drive");
            else
                expect_eq(zisk, 0, s.str() + " with no shot or drive");
        }
        // Without a shot or a drive nothing but a purchase changes the game.
        if (!run_.since_quiet.fire && !run_.since_quiet.drive) {
            Snapshot ocekavany = run_.baseline;
            if (run_.since_quiet.shop && run_.shop) {
                const ShopView v = ShopView::of(*run_.shop);
                PlayerState& h = ocekavany.h[static_cast<std::size_t>(run_.shop_player)];
                h.penize = v.kredit;
                h.energie = v.energie;
                h.nafta = v.nafta;
                for (int k = stredni_strela; k < pocet_zbrani; ++k)
                    h.naboje[k] = v.naboje[k];
            }
            const std::string zmena = ocekavany.difference(ted);
            expect(zmena.empty(), "changed without a shot or a drive: " + zmena);
        }
    }
    run_.baseline = ted;
    run_.baseline_valid = true;
    run_.since_quiet = {};
}

void RuleChecks::check_shop_event(Tform_obchod& o, const ShopView& pred)
{
    const ShopView po = ShopView::of(o);
    const int cena = pred.kredit - po.kredit;
    ShopView ocekavany = pred;
    ocekavany.kredit = po.kredit;
    bool znama_cena = cena == 0;
    for (int k = stredni_strela; k < pocet_zbrani; ++k)
        if (cena == cena_strely[k]) {
            ocekavany.naboje[k] += 1;
            znama_cena = true;
        }
    if (cena == cena_nafty) {
        expect(pred.nafta < plna_nadrz, "fuel bought into a full tank");
        ocekavany.nafta = std::min(pred.nafta + davka_nafty, plna_nadrz);
        znama_cena = true;
    }
    if (cena == cena_energie) {
        expect(pred.energie < plna_energie, "energy bought at full energy");
        ocekavany.energie = std::min(pred.energie + davka_energie, plna_energie);
        znama_cena = true;
    }
    expect(znama_cena, "a purchase for " + std::to_string(cena) + " credits");
    if (znama_cena)
        expect(ocekavany == po, "the shop's values after a purchase of " + std::to_string(cena));
    if (cena != 0)
        ++run_.report.purchases;
    expect(po.kredit >= 0, "shop credits " + std::to_string(po.kredit));

    if (!o.isVisible())
        return;
    const std::pair<QPushButton*, bool> tlacitka[] = {
        {o.btn_stredni, po.kredit >= cena_strely[1]},
        {o.btn_velka, po.kredit >= cena_strely[2]},
        {o.btn_mini, po.kredit >= cena_strely[3]},
        {o.btn_mega, po.kredit >= cena_strely[4]},
        {o.btn_benzin, po.kredit >= cena_nafty && po.nafta < plna_nadrz},
        {o.btn_energie, po.kredit >= cena_energie && po.energie < plna_energie},
    };
    for (const auto& [b, zapnuto] : tlacitka)
        expect_eq(b->isEnabled(), zapnuto,
                  "shop button " + b->objectName().toStdString() + " at "
                      + std::to_string(po.kredit));
    if (auto* f = dynamic_cast<Tform_hra*>(o.hra())) {
        const int p = o.hrac_obchodu;
        expect_eq(cele_cislo(f->lbl_penize(p)->text()), po.kredit, "battlefield credits");
        expect_eq(f->cgg_energie(p)->progress(), po.energie, "battlefield energy");
        expect_eq(f->cgg_nadrz(p)->progress(), po.nafta, "battlefield fuel");
        for (int k = stredni_strela; k < pocet_zbrani; ++k)
            expect_eq(cele_cislo(f->lbl_naboje(p, k)->text()), po.naboje[k],
                      "battlefield count " + std::to_string(k));
    }
}

void RuleChecks::check_nothing_left_open()
{
    expect(QApplication::activeModalWidget() == nullptr, "a modal window is left waiting");
    expect(QApplication::activePopupWidget() == nullptr, "a popup is left open");
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::ToolTip)
            run_.fail(std::string("a window is left open: ") + w->metaObject()->className());
}

} // namespace monkey
