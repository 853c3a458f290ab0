#include "game/battle_speech.h"

#include <cstdlib>

std::array<Dopad, 2> posledni_dopad{};

QString z_celku(std::int32_t hodnota, std::int32_t celek)
{
    return QStringLiteral("%1 z %2").arg(hodnota).arg(celek);
}

QString sloupcu(std::int32_t n)
{
    const std::int32_t a = std::abs(n);
    const char* tvar = a == 1 ? "sloupec" : a >= 2 && a <= 4 ? "sloupce" : "sloupcu";
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(tvar));
}

QString kde_dopadla(const Dopad& d, std::int32_t cil_x)
{
    switch (d.kde) {
    case Dopad::Kde::zadny: return {};
    case Dopad::Kde::zasah: return QStringLiteral("zasah");
    case Dopad::Kde::vlastni_tank: return QStringLiteral("zasah vlastniho tanku");
    case Dopad::Kde::mimo: return QStringLiteral("mimo bojiste");
    case Dopad::Kde::zem: break;
    }
    // Told against the middle of the tank, the column its box is centred on.
    const std::int32_t o = d.sloupec - (cil_x - 15);
    if (o == 0)
        return QStringLiteral("tesne u tanku soupere");
    return QStringLiteral("%1 %2 od tanku soupere")
        .arg(sloupcu(std::abs(o)), o < 0 ? QStringLiteral("vlevo") : QStringLiteral("vpravo"));
}

QString text_dopadu(const Dopad& d, std::int32_t cil_x)
{
    const QString kde = kde_dopadla(d, cil_x);
    if (kde.isEmpty())
        return kde;
    if (d.kde == Dopad::Kde::zem)
        return QStringLiteral("Dopad %1.").arg(kde);
    return kde.left(1).toUpper() + kde.mid(1) + QLatin1Char('.');
}

QString text_tahu(const std::array<QString, 2>& jmeno, int na_tahu,
                  const PlayerState (&h)[2], std::int32_t vitr, const Dopad& dopad)
{
    const int p = na_tahu == 0 ? 0 : 1;
    QString t = QStringLiteral("Na tahu: %1.").arg(jmeno[p]);
    for (int i : {0, 1})
        t += QStringLiteral(" %1: energie %2.").arg(jmeno[i], z_celku(h[i].energie, plna_energie));
    if (vitr == 0)
        t += QStringLiteral(" Bezvetri.");
    else
        t += QStringLiteral(" Vitr %1 %2.")
                 .arg(QString::number(std::abs(vitr)),
                      vitr > 0 ? QStringLiteral("doprava") : QStringLiteral("doleva"));
    const QString kde = kde_dopadla(dopad, h[1 - p].x);
    if (!kde.isEmpty())
        t += QStringLiteral(" Posledni strela: %1.").arg(kde);
    t += QStringLiteral(" Vzdalenost tanku: %1.").arg(sloupcu(std::abs(h[0].x - h[1].x)));
    return t;
}

QString text_vystrelu(const QString& jmeno, int p, const PlayerState& s)
{
    const int z = s.zbran >= 0 && s.zbran < pocet_zbrani ? s.zbran : zakladni_strela;
    // Both angle labels show the elevation above the horizontal on the side the barrel
    // points to.
    const std::int32_t uhel = p == 0 ? s.uhel : 180 - s.uhel;
    return QStringLiteral("Strili %1: %2, uhel %3, sila %4.")
        .arg(jmeno, QLatin1String(nazvy_zbrani[z]), QString::number(uhel),
             QString::number(s.sila));
}

QString text_konce_kola(const std::array<QString, 2>& jmeno, int vitez,
                        const PlayerState (&h)[2])
{
    const int v = vitez == 0 ? 0 : 1;
    return QStringLiteral("Tank hrace %1 je znicen, kolo vyhrava %2. Stav %3 %4, %5 %6. Nove kolo.")
        .arg(jmeno[1 - v], jmeno[v], jmeno[0], QString::number(h[0].stav), jmeno[1],
             QString::number(h[1].stav));
}
