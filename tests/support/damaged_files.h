#pragma once
// The ways a data file can come damaged: written over a good copy, so that every test
// of a damaged file starts from the real one.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cstdint>
#include <random>

enum class Poskozeni {
    chybi,        // not there at all
    prazdny,      // 0 bytes
    jen_hlavicka, // the headers without what they announce
    tretina,      // cut at one third
    smeti,        // a file of random bytes
    necitelny,    // no read permission
    slozka,       // a folder of that name
    velky,        // grown to 50 MB
};

inline const char* nazev_poskozeni(Poskozeni p)
{
    switch (p) {
    case Poskozeni::chybi: return "missing";
    case Poskozeni::prazdny: return "empty";
    case Poskozeni::jen_hlavicka: return "header only";
    case Poskozeni::tretina: return "cut at a third";
    case Poskozeni::smeti: return "garbage";
    case Poskozeni::necitelny: return "unreadable";
    case Poskozeni::slozka: return "a folder";
    case Poskozeni::velky: return "50 MB";
    }
    return "?";
}

constexpr qsizetype velky_soubor = 50 * 1024 * 1024;

// Where a file's payload starts: a WAV's samples after its data chunk header, a BMP's
// pixels at the offset its file header names.
inline qsizetype konec_hlavicek(const QByteArray& b)
{
    if (b.startsWith("BM") && b.size() >= 14)
        return qFromLittleEndian<std::uint32_t>(b.constData() + 10);
    const qsizetype data = b.indexOf("data");
    return data < 0 ? b.size() : data + 8;
}

// A WAV whose data chunk really holds 50 MB of the original's samples, over and over; any
// other file with bytes after its end.
inline QByteArray zvetseny(const QByteArray& b)
{
    QByteArray out = b;
    const qsizetype hlavicky = konec_hlavicek(b);
    if (b.startsWith("RIFF") && hlavicky < b.size()) {
        const QByteArray vzorky = b.mid(hlavicky);
        out = b.left(hlavicky);
        while (out.size() < velky_soubor)
            out += vzorky;
        out.truncate(velky_soubor);
        qToLittleEndian<std::uint32_t>(std::uint32_t(out.size() - 8), out.data() + 4);
        qToLittleEndian<std::uint32_t>(std::uint32_t(out.size() - hlavicky), out.data() + hlavicky - 4);
        return out;
    }
    out.resize(velky_soubor, '\0');
    return out;
}

// Damages `cesta` in place. False if the file system would not let it.
inline bool poskod(const QString& cesta, Poskozeni p)
{
    QFile f(cesta);
    QByteArray puvodni;
    if (f.open(QIODevice::ReadOnly))
        puvodni = f.readAll();
    f.close();
    QByteArray nove;
    switch (p) {
    case Poskozeni::chybi:
        return QFile::remove(cesta);
    case Poskozeni::slozka:
        return QFile::remove(cesta) && QDir().mkpath(cesta);
    case Poskozeni::necitelny:
        return f.setPermissions(QFileDevice::WriteOwner);
    case Poskozeni::prazdny: break;
    case Poskozeni::jen_hlavicka: nove = puvodni.left(konec_hlavicek(puvodni)); break;
    case Poskozeni::tretina: nove = puvodni.left(puvodni.size() / 3); break;
    case Poskozeni::smeti: {
        std::mt19937 g(7);
        nove.resize(4096);
        for (char& c : nove)
            c = static_cast<char>(g());
        break;
    }
    case Poskozeni::velky: nove = zvetseny(puvodni); break;
    }
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(nove) == nove.size();
}
