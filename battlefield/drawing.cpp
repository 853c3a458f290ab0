#include "battlefield/drawing.h"

#include "battlefield/terrain.h"
#include "combat/explosion_rules.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

constexpr int spodek_nebe = 200;
constexpr double stupne_na_radiany = 0.017453292519943295;
constexpr int delka_hlavne = 20;

// The body, the turret and the barrel of a tank, each in the pen and brush the mode set.
struct TvarTanku {
    int x, y, konec_x, konec_y;

    explicit TvarTanku(const PlayerState& p) : x(p.x), y(p.y)
    {
        const double uhel = p.uhel * stupne_na_radiany;
        konec_x = static_cast<int>((x - 14) + delka_hlavne * std::cos(uhel));
        konec_y = static_cast<int>((y - 9) - delka_hlavne * std::sin(uhel));
    }
    void vez(Canvas& c) const { c.line(x - 25, y - 8, x - 5, y - 8); }
    void hlaven(Canvas& c) const
    {
        c.set_pen_width(2);
        c.line(x - 14, y - 9, konec_x, konec_y);
        c.set_pen_width(1);
    }
};

} // namespace

void kresli_nebe(Canvas& c, const QImage& sky)
{
    c.set_brush_pattern(&sky);
    c.fill_rect(0, 0, W, spodek_nebe);
}

void kresli_krajinu(Canvas& c)
{
    c.set_brush_color(barva_nebe);
    c.fill_rect(0, spodek_nebe, 800, H);
    obnov_zem(c, 0, W);
}

void obnov_zem(Canvas& c, int a, int b)
{
    c.set_pen_color(clGreen);
    c.set_pen_width(1);
    for (int s = std::max(a, 0); s <= std::min(b, W); ++s)
        c.line(s, H, s, vysky[s]);
}

void kresli_tank(Canvas& c, int p, Color mode)
{
    if (p < 0 || p > 1)
        return;
    const TvarTanku t(hrac[p]);
    c.set_pen_width(1);
    if (mode == 0) {
        c.set_pen_color(clBlack);
        c.set_brush_color(clBlack);
        c.rectangle(t.x - 30, t.y - 7, t.x, t.y);
        t.vez(c);
        c.set_brush_color(hrac[p].barva);
        c.fill_rect(t.x - 29, t.y - 6, t.x - 1, t.y - 1);
        t.hlaven(c);
        return;
    }
    c.set_pen_color(mode);
    c.set_brush_color(mode);
    c.fill_rect(t.x - 30, t.y - 7, t.x, t.y);
    t.vez(c);
    t.hlaven(c);
    if (mode == barva_nebe)
        obnov_zem(c, t.x - 40, t.x + 40);
}

void kresli_bonus(Canvas& c, Color f)
{
    const int b = bonus_x;
    // A crate is only ever placed over the battlefield, but its column is read, not
    // trusted: one beyond the generated columns stands on the nearest generated one.
    const int g = vysky[std::clamp(b, 0, W)];
    c.set_brush_color(f);
    c.fill_rect(b - 5, g - 8, b + 5, g + 1);
    if (f != barva_nebe) {
        c.set_pen_color(clBlack);
        c.set_pen_width(1);
        c.line(b - 5, g - 8, b + 4, g + 1);
        c.line(b + 4, g - 8, b - 5, g + 1);
    }
    obnov_zem(c, b - 6, b + 6);
}

void maly_krater(Canvas& c, int x)
{
    c.set_pen_color(barva_nebe);
    c.set_pen_width(1);
    // The removed rows, the old surface included, turn to plain sky.
    for (const Prohloubeni& s : prohloub_maly_krater(vysky, x))
        c.line(s.sloupec, s.pred, s.sloupec, s.po + 1);
}
