#include "game/wav_file.h"

#include <array>
#include <cstring>

namespace {

constexpr std::uint16_t format_pcm = 1;
constexpr std::uint16_t format_float = 3;
constexpr std::uint16_t format_rozsireny = 0xFFFE;
// More chunks than any sound file carries: a file built to loop the walk ends here.
constexpr int nejvic_bloku = 256;

std::optional<WavZvuk::Vzorky> druh_vzorku(std::uint16_t format, int bitu)
{
    if (format == format_pcm) {
        switch (bitu) {
        case 8: return WavZvuk::Vzorky::u8;
        case 16: return WavZvuk::Vzorky::s16;
        case 32: return WavZvuk::Vzorky::s32;
        default: return std::nullopt;
        }
    }
    if (format == format_float && bitu == 32)
        return WavZvuk::Vzorky::f32;
    return std::nullopt;
}

} // namespace

std::optional<WavZvuk> rozbor_wav(std::int64_t velikost, const CteniSouboru& cti)
{
    unsigned char hlava[12];
    if (velikost < 12 || cti(0, hlava, 12) != 12)
        return std::nullopt;
    if (std::memcmp(hlava, "RIFF", 4) != 0 || std::memcmp(hlava + 8, "WAVE", 4) != 0)
        return std::nullopt;

    std::optional<WavZvuk> zvuk;
    std::int64_t at = 12;
    for (int blok = 0; blok < nejvic_bloku && at + 8 <= velikost; ++blok) {
        unsigned char b[8];
        if (cti(at, b, 8) != 8)
            return std::nullopt;
        const std::int64_t delka = le32(b + 4);
        const std::int64_t obsah = at + 8;
        if (std::memcmp(b, "fmt ", 4) == 0) {
            std::array<unsigned char, 40> f{};
            if (delka < 16 || obsah + delka > velikost)
                return std::nullopt;
            const std::size_t kolik = delka < 40 ? std::size_t(delka) : 40;
            if (cti(obsah, f.data(), kolik) != kolik)
                return std::nullopt;
            std::uint16_t format = le16(&f[0]);
            const int kanaly = le16(&f[2]);
            const std::uint32_t frekvence = le32(&f[4]);
            const int zarovnani = le16(&f[12]);
            const int bitu = le16(&f[14]);
            if (format == format_rozsireny) {
                // The extensible header names the real format in its sub-format's first
                // two bytes.
                if (delka < 40)
                    return std::nullopt;
                format = le16(&f[24]);
            }
            const auto vzorky = druh_vzorku(format, bitu);
            if (!vzorky || kanaly < 1 || kanaly > 8 || frekvence < 1000 || frekvence > 192000 ||
                zarovnani != kanaly * bitu / 8)
                return std::nullopt;
            zvuk = WavZvuk{*vzorky, kanaly, int(frekvence), zarovnani, 0, 0};
        } else if (std::memcmp(b, "data", 4) == 0) {
            // Samples before their format, or more samples than the file holds: a decoder
            // would wait for the rest for ever.
            if (!zvuk || obsah + delka > velikost)
                return std::nullopt;
            zvuk->data_od = obsah;
            zvuk->data_delka = delka - delka % zvuk->zarovnani;
            if (zvuk->data_delka == 0)
                return std::nullopt;
            return zvuk;
        }
        at = obsah + delka + (delka & 1);
    }
    return std::nullopt;
}

std::optional<WavZvuk> rozbor_wav_souboru(const std::string& soubor)
{
    std::optional<WavZvuk> zvuk;
    cti_soubor(soubor, [&](std::int64_t velikost, const CteniSouboru& cti) {
        zvuk = rozbor_wav(velikost, cti);
    });
    return zvuk;
}
