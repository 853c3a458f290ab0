#pragma once
// The ways a data file can come damaged: written over a good copy, so that every test
// of a damaged file starts from the real one.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <random>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

enum class Poskozeni {
    chybi,        // not there at all
    prazdny,      // 0 bytes
    jen_hlavicka, // the headers without what they announce
    tretina,      // cut at one third
    smeti,        // a file of random bytes
    necitelny,    // no read permission
    slozka,       // a folder of that name
    velky,        // grown to 50 MB
    roura,        // a named pipe, which nobody ever writes
    na_nuly,      // a link to /dev/zero
    smycka,       // a link to itself
    soket,        // a socket, as a server leaves it behind
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
    case Poskozeni::roura: return "named pipe";
    case Poskozeni::na_nuly: return "link to /dev/zero";
    case Poskozeni::smycka: return "link loop";
    case Poskozeni::soket: return "socket";
    }
    return "?";
}

// Each kind by the word scripts/damaged-data.sh takes for it.
inline const char* slovo_poskozeni(Poskozeni p)
{
    switch (p) {
    case Poskozeni::chybi: return "missing";
    case Poskozeni::prazdny: return "empty";
    case Poskozeni::jen_hlavicka: return "header";
    case Poskozeni::tretina: return "third";
    case Poskozeni::smeti: return "garbage";
    case Poskozeni::necitelny: return "unreadable";
    case Poskozeni::slozka: return "folder";
    case Poskozeni::velky: return "big";
    case Poskozeni::roura: return "fifo";
    case Poskozeni::na_nuly: return "zero-link";
    case Poskozeni::smycka: return "loop";
    case Poskozeni::soket: return "socket";
    }
    return "?";
}

constexpr Poskozeni vsechna_poskozeni[] = {
    Poskozeni::chybi,  Poskozeni::prazdny,   Poskozeni::jen_hlavicka, Poskozeni::tretina,
    Poskozeni::smeti,  Poskozeni::necitelny, Poskozeni::slozka,       Poskozeni::velky,
    Poskozeni::roura,  Poskozeni::na_nuly,   Poskozeni::smycka,       Poskozeni::soket};

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

// A socket file bound at the path and left there.
inline bool zanech_soket(const QByteArray& cesta)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    if (std::size_t(cesta.size()) >= sizeof a.sun_path)
        return false;
    std::memcpy(a.sun_path, cesta.constData(), std::size_t(cesta.size()));
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool ok = s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    if (s >= 0)
        ::close(s);
    return ok;
}

// Damages `cesta` in place. False if the file system would not let it.
inline bool poskod(const QString& cesta, Poskozeni p)
{
    const QByteArray mistni = QFile::encodeName(cesta);
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
    case Poskozeni::roura:
        return QFile::remove(cesta) && ::mkfifo(mistni.constData(), 0644) == 0;
    case Poskozeni::na_nuly:
        return QFile::remove(cesta) && ::symlink("/dev/zero", mistni.constData()) == 0;
    case Poskozeni::smycka:
        // The link names itself by its bare name, which resolves beside it: to itself.
        return QFile::remove(cesta) &&
               ::symlink(QFile::encodeName(QFileInfo(cesta).fileName()).constData(), mistni.constData()) == 0;
    case Poskozeni::soket:
        return QFile::remove(cesta) && zanech_soket(mistni);
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
