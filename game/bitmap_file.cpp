#include "game/bitmap_file.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint32_t bi_rgb = 0;
constexpr std::uint32_t bi_bitfields = 3;
constexpr std::uint32_t bi_alphabitfields = 6;

} // namespace

bool bmp_je_cely(std::int64_t velikost, const CteniSouboru& cti)
{
    unsigned char h[26];
    if (velikost < 2 || cti(0, h, 2) != 2 || std::memcmp(h, "BM", 2) != 0)
        return true;
    // File header, then the size of the info header and, for every kind but the oldest,
    // the width, height, planes, bits per pixel, compression and image size.
    if (velikost < 26 || cti(0, h, 26) != 26)
        return false;
    const std::int64_t pixely_od = le32(h + 10);
    const std::uint32_t info = le32(h + 14);
    std::int64_t sirka = 0, vyska = 0, bitu = 0, komprese = bi_rgb, velikost_obrazu = 0;
    if (info == 12) {
        sirka = le16(h + 18);
        vyska = le16(h + 20);
        bitu = le16(h + 24);
    } else {
        if (info < 40 || velikost < 14 + 40)
            return false;
        unsigned char d[16];
        if (cti(14 + 4, d, 16) != 16)
            return false;
        sirka = static_cast<std::int32_t>(le32(d));
        vyska = std::llabs(static_cast<std::int32_t>(le32(d + 4)));
        bitu = le16(d + 10);
        komprese = le32(d + 12);
        unsigned char s[4];
        if (cti(14 + 20, s, 4) != 4)
            return false;
        velikost_obrazu = le32(s);
    }
    if (pixely_od > velikost)
        return false;
    if (komprese == bi_rgb || komprese == bi_bitfields || komprese == bi_alphabitfields) {
        if (sirka < 0 || bitu == 0)
            return false;
        const std::int64_t radek = (bitu * sirka + 31) / 32 * 4;
        return pixely_od + radek * vyska <= velikost;
    }
    // Compressed pixels: only their stated size tells.
    return pixely_od + velikost_obrazu <= velikost;
}

bool bmp_soubor_je_cely(const std::string& soubor)
{
    bool cely = false;
    cti_soubor(soubor, [&](std::int64_t velikost, const CteniSouboru& cti) {
        cely = bmp_je_cely(velikost, cti);
    });
    return cely;
}
