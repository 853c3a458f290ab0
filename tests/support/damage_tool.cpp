// Damages data files the way the damaged-data tests do, for scripts/damaged-data.sh: one
// definition of each kind of damage for both.
//
// Usage: tarvana_damage KIND FILE...   (KIND: a word of slovo_poskozeni, or cut:BYTES)
#include "tests/support/damaged_files.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

std::optional<Poskozeni> podle_slova(const char* slovo)
{
    for (Poskozeni p : vsechna_poskozeni)
        if (std::strcmp(slovo, slovo_poskozeni(p)) == 0)
            return p;
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s KIND FILE...\n", argv[0]);
        return 2;
    }
    const QString druh = QString::fromLocal8Bit(argv[1]);
    const std::optional<Poskozeni> jak = podle_slova(argv[1]);
    bool bajty_ok = false;
    const qint64 bajty
        = druh.startsWith(QStringLiteral("cut:")) ? druh.mid(4).toLongLong(&bajty_ok) : 0;
    if (!jak && !(bajty_ok && bajty >= 0)) {
        std::fprintf(stderr, "unknown damage: %s\n", argv[1]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const QString cesta = QFile::decodeName(argv[i]);
        const bool ok = jak ? poskod(cesta, *jak) : QFile::resize(cesta, bajty);
        if (!ok) {
            std::fprintf(stderr, "could not damage %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
