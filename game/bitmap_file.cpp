#include "game/bitmap_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint32_t bi_rgb = 0;
constexpr std::uint32_t bi_rle8 = 1;
constexpr std::uint32_t bi_rle4 = 2;
constexpr std::uint32_t bi_bitfields = 3;
constexpr std::uint32_t bi_alphabitfields = 6;

// The file's bytes one by one from an offset, read a block at a time.
class Bajty {
public:
    Bajty(const CteniSouboru& cti, std::int64_t od, std::int64_t konec)
        : cti_(cti), od_(od), konec_(konec)
    {
    }

    // The next byte, or -1 at the end of the file.
    int dalsi()
    {
        if (i_ == mam_) {
            if (od_ >= konec_)
                return -1;
            const auto chci = static_cast<std::size_t>(std::min<std::int64_t>(sizeof blok_, konec_ - od_));
            mam_ = cti_(od_, blok_, chci);
            i_ = 0;
            if (mam_ == 0)
                return -1;
            od_ += static_cast<std::int64_t>(mam_);
        }
        return blok_[i_++];
    }

    bool preskoc(std::int64_t n)
    {
        for (; n > 0; --n)
            if (dalsi() < 0)
                return false;
        return true;
    }

private:
    const CteniSouboru& cti_;
    std::int64_t od_, konec_;
    unsigned char blok_[16 * 1024];
    std::size_t mam_ = 0, i_ = 0;
};

// Follows a run-length stream as the decoder does: runs of one value, literal runs padded
// to whole 16-bit words, skips, ends of lines, and the end code. The stream is whole when
// its end code comes, or an end of line closes its last row, before the file ends; a
// decoder that meets the end of the file first makes the rest of the picture up.
bool rle_je_cele(std::int64_t od, std::int64_t velikost, std::int64_t vyska, bool ctyrbitove,
                 const CteniSouboru& cti)
{
    Bajty b(cti, od, velikost);
    std::int64_t radek = 0;
    while (radek < vyska) {
        const int pocet = b.dalsi();
        const int kod = b.dalsi();
        if (kod < 0)
            return false;
        if (pocet > 0)
            continue; // a run of one value
        switch (kod) {
        case 0: ++radek; break;
        case 1: return true;
        case 2: {
            if (b.dalsi() < 0)
                return false;
            const int dolu = b.dalsi();
            if (dolu < 0)
                return false;
            // A skip never ends the picture: the decoder stops it at the last row.
            radek = std::min(radek + dolu, vyska - 1);
            break;
        }
        default: {
            const int bajtu = ctyrbitove ? (kod + 1) / 2 : kod;
            if (!b.preskoc(bajtu + (bajtu & 1)))
                return false;
        }
        }
    }
    return true;
}

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
    if (komprese == bi_rle8 || komprese == bi_rle4)
        return rle_je_cele(pixely_od, velikost, vyska, komprese == bi_rle4, cti);
    // Other compressed pixels: only their stated size tells.
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
