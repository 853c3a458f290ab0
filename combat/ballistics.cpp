#include "combat/ballistics.h"

#include <cmath>

Bod hlaven(std::int32_t x, std::int32_t y, std::int32_t uhel)
{
    const double a = uhel * stupne_na_radiany;
    return Bod{static_cast<std::int32_t>((x - 14) + 20 * std::cos(a)),
               static_cast<std::int32_t>((y - 9) - 20 * std::sin(a))};
}

Let::Let(Bod start, std::int32_t uhel, std::int32_t sila, std::int32_t vitr)
    : start_(start), a_(uhel * stupne_na_radiany), sila_(sila), vitr_(vitr), poloha_(start)
{
}

Bod Let::krok()
{
    t_ += 0.4;
    const double T = 0.1 * t_;
    poloha_.y = static_cast<std::int32_t>(start_.y - sila_ * T * std::sin(a_) + 0.5 * 9.81 * T * T);
    poloha_.x = static_cast<std::int32_t>(start_.x + sila_ * T * std::cos(a_) + 0.5 * vitr_ * T * T);
    return poloha_;
}

bool v_tanku(Bod b, std::int32_t x, std::int32_t y)
{
    return b.x >= x - 32 && b.x <= x + 2 && b.y >= y - 9 && b.y <= y + 1;
}

bool v_bedne(Bod b, std::int32_t bonus, const Heightmap& h)
{
    if (bonus < 0 || bonus > 800)
        return false;
    return b.x >= bonus - 5 && b.x <= bonus + 5 && b.y >= h[bonus] - 9 && b.y <= h[bonus];
}

ImpactKind vyhodnot(Bod b, const PlayerState (&hraci)[2], std::int32_t bonus,
                    const Heightmap& h, bool s_bednou)
{
    if (b.x >= W || b.x <= 0)
        return ImpactKind::mimo;
    if (v_tanku(b, hraci[0].x, hraci[0].y))
        return ImpactKind::tank1;
    if (v_tanku(b, hraci[1].x, hraci[1].y))
        return ImpactKind::tank2;
    if (s_bednou && bonus != 0 && v_bedne(b, bonus, h))
        return ImpactKind::bedna;
    if (h[b.x] <= b.y)
        return ImpactKind::zem;
    return ImpactKind::zadny;
}

KonecLetu simuluj_let(Bod start, std::int32_t uhel, std::int32_t sila, std::int32_t vitr,
                      const PlayerState (&hraci)[2], std::int32_t bonus, const Heightmap& h,
                      bool s_bednou)
{
    Let let(start, uhel, sila, vitr);
    for (;;) {
        const Bod b = let.krok();
        const ImpactKind k = vyhodnot(b, hraci, bonus, h, s_bednou);
        if (k != ImpactKind::zadny)
            return KonecLetu{k, b};
    }
}
