// The checks a sound or the sky picture passes before Qt sees it, over bytes built here
// field by field, so that each case says which promise the file breaks.
#include "game/bitmap_file.h"
#include "game/wav_file.h"
#include "tests/support/damaged_files.h"
#include "tests/support/watchdog.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

void put16(std::string& s, std::uint16_t v)
{
    s += char(v & 0xFF);
    s += char(v >> 8);
}

void put32(std::string& s, std::uint32_t v)
{
    put16(s, std::uint16_t(v & 0xFFFF));
    put16(s, std::uint16_t(v >> 16));
}

std::string chunk(const char* id, const std::string& body)
{
    std::string s(id, 4);
    put32(s, std::uint32_t(body.size()));
    s += body;
    if (body.size() & 1)
        s += '\0';
    return s;
}

std::string fmt(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                int align_delta = 0)
{
    std::string b;
    const std::uint16_t align = std::uint16_t(channels * bits / 8 + align_delta);
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * align);
    put16(b, align);
    put16(b, bits);
    return chunk("fmt ", b);
}

// WAVE_FORMAT_EXTENSIBLE naming its real format in the sub-format's first two bytes.
std::string fmt_extensible(std::uint16_t real_tag, std::uint16_t bits)
{
    std::string b = fmt(0xFFFE, 2, 44100, bits).substr(8);
    put16(b, 22);
    put16(b, bits);
    put32(b, 3);
    put16(b, real_tag);
    b += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return chunk("fmt ", b);
}

std::string riff(const std::string& chunks)
{
    std::string s = "RIFF";
    put32(s, std::uint32_t(chunks.size() + 4));
    return s + "WAVE" + chunks;
}

// The file's bytes as the checks read them from disk.
CteniSouboru z_pameti(const std::string& bytes)
{
    return [&bytes](std::int64_t od, void* buf, std::size_t n) -> std::size_t {
        if (od < 0 || od >= std::int64_t(bytes.size()))
            return 0;
        const std::size_t k = std::min(n, bytes.size() - std::size_t(od));
        std::memcpy(buf, bytes.data() + od, k);
        return k;
    };
}

std::optional<WavZvuk> parse(const std::string& bytes)
{
    return rozbor_wav(std::int64_t(bytes.size()), z_pameti(bytes));
}

} // namespace

TEST(WavCheck, PlayableFormatsGiveTheirSamples)
{
    using V = WavZvuk::Vzorky;
    const struct {
        const char* what;
        std::string file;
        V samples;
        int channels, rate, frame;
        std::int64_t from, length;
    } cases[] = {
        // 12 bytes of RIFF header, 24 of fmt chunk, 8 of data chunk header: samples at 44.
        {"8-bit mono", riff(fmt(1, 1, 11025, 8) + chunk("data", std::string(100, 'a'))), V::u8, 1, 11025, 1, 44, 100},
        {"16-bit mono", riff(fmt(1, 1, 22050, 16) + chunk("data", std::string(100, 'a'))), V::s16, 1, 22050, 2, 44, 100},
        {"32-bit stereo", riff(fmt(1, 2, 48000, 32) + chunk("data", std::string(80, 'a'))), V::s32, 2, 48000, 8, 44, 80},
        {"float stereo", riff(fmt(3, 2, 44100, 32) + chunk("data", std::string(16, 'a'))), V::f32, 2, 44100, 8, 44, 16},
        {"extensible PCM", riff(fmt_extensible(1, 16) + chunk("data", std::string(8, 'a'))), V::s16, 2, 44100, 4, 12 + 48 + 8, 8},
        // An odd-sized chunk before the data is padded to an even length: 12 + 24 + 8+5+1.
        {"odd LIST chunk first", riff(fmt(1, 1, 22050, 16) + chunk("LIST", "abcde") + chunk("data", std::string(10, 'a'))), V::s16, 1, 22050, 2, 12 + 24 + 14 + 8, 10},
        // A half frame at the end is not played.
        {"half a frame at the end", riff(fmt(1, 1, 22050, 16) + chunk("data", std::string(11, 'a'))), V::s16, 1, 22050, 2, 44, 10},
        // Bytes after the data chunk are not the sound's.
        {"trailing bytes", riff(fmt(1, 1, 22050, 16) + chunk("data", std::string(4, 'a'))) + "junkjunk", V::s16, 1, 22050, 2, 44, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto z = parse(c.file);
        ASSERT_TRUE(z);
        EXPECT_EQ(z->vzorky, c.samples);
        EXPECT_EQ(z->kanaly, c.channels);
        EXPECT_EQ(z->frekvence, c.rate);
        EXPECT_EQ(z->zarovnani, c.frame);
        EXPECT_EQ(z->data_od, c.from);
        EXPECT_EQ(z->data_delka, c.length);
    }
}

TEST(WavCheck, FilesTheOutputCannotPlayAreRefused)
{
    const std::string samples = chunk("data", std::string(100, 'a'));
    const std::string good = riff(fmt(1, 1, 22050, 16) + samples);
    std::string longer_than_file = good;
    longer_than_file[40] = char(200); // the data chunk claims 200 bytes, the file holds 100
    const struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"nothing", ""},
        {"RIFF header only", good.substr(0, 12)},
        {"headers without samples", good.substr(0, 44)},
        {"cut short", good.substr(0, 60)},
        {"data chunk longer than the file", longer_than_file},
        {"not RIFF", "RIFX" + good.substr(4)},
        {"not WAVE", good.substr(0, 8) + "AVI " + good.substr(12)},
        {"no format chunk", riff(samples)},
        {"samples before their format", riff(samples + fmt(1, 1, 22050, 16))},
        {"no data chunk", riff(fmt(1, 1, 22050, 16) + chunk("LIST", "abcd"))},
        {"empty data chunk", riff(fmt(1, 1, 22050, 16) + chunk("data", ""))},
        {"24-bit samples", riff(fmt(1, 1, 22050, 24) + samples)},
        {"64-bit float", riff(fmt(3, 1, 22050, 64) + samples)},
        {"ADPCM", riff(fmt(2, 1, 22050, 4) + samples)},
        {"extensible ADPCM", riff(fmt_extensible(2, 16) + samples)},
        {"no channels", riff(fmt(1, 0, 22050, 16) + samples)},
        {"nine channels", riff(fmt(1, 9, 22050, 16) + samples)},
        {"rate 0", riff(fmt(1, 1, 0, 16) + samples)},
        {"frame size that does not fit", riff(fmt(1, 1, 22050, 16, 1) + samples)},
        {"short format chunk", riff(chunk("fmt ", std::string(14, '\1')) + samples)},
        {"format chunk past the end", riff(fmt(1, 1, 22050, 16)).substr(0, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(parse(c.file));
    }
}

TEST(WavCheck, FileOnDiskThatIsNoFileIsNoSound)
{
    EXPECT_FALSE(rozbor_wav_souboru("/nonexistent/tarvana.wav"));
    EXPECT_FALSE(rozbor_wav_souboru("/"));
}

namespace {

// The file and info headers of a bitmap: 14 + 40 bytes, pixels right after them.
std::string bmp_headers(std::int32_t width, std::int32_t height, std::uint16_t bits,
                        std::uint32_t compression, std::uint32_t pixel_bytes)
{
    std::string s = "BM";
    put32(s, 54 + pixel_bytes);
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, std::uint32_t(width));
    put32(s, std::uint32_t(height));
    put16(s, 1);
    put16(s, bits);
    put32(s, compression);
    put32(s, compression == 0 ? 0 : pixel_bytes);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 0);
    put32(s, 0);
    return s;
}

// A 24-bit bitmap: rows padded to 4 bytes.
std::string bmp(std::int32_t width, std::int32_t height, std::uint16_t bits = 24)
{
    const std::int64_t row = (std::int64_t(bits) * width + 31) / 32 * 4;
    const std::uint32_t pixels = std::uint32_t(row * std::abs(height));
    return bmp_headers(width, height, bits, 0, pixels) + std::string(pixels, '\x7f');
}

// A run-length compressed bitmap: 8 bits a pixel (compression 1) or 4 (compression 2).
std::string rle(std::int32_t width, std::int32_t height, std::uint16_t bits, const std::string& stream)
{
    return bmp_headers(width, height, bits, bits == 8 ? 1 : 2, std::uint32_t(stream.size())) + stream;
}

bool whole(const std::string& bytes)
{
    return bmp_je_cely(std::int64_t(bytes.size()), z_pameti(bytes));
}

} // namespace

TEST(BitmapCheck, APictureCutShortIsTold)
{
    // 3 pixels of 24 bits are 9 bytes, padded to 12: two rows need 24 bytes after 54.
    const std::string small = bmp(3, 2);
    ASSERT_EQ(small.size(), 54u + 24u);
    const std::string sky = bmp(800, 200);
    const struct {
        const char* what;
        std::string file;
        bool whole;
    } cases[] = {
        {"whole", small, true},
        {"one byte short", small.substr(0, small.size() - 1), false},
        {"headers only", small.substr(0, 54), false},
        {"file header only", small.substr(0, 14), false},
        {"a third of the sky", sky.substr(0, sky.size() / 3), false},
        {"the sky with bytes after it", sky + std::string(1000, '\0'), true},
        {"stored top-down", bmp(3, -2), true},
        {"top-down, cut", bmp(3, -2).substr(0, 70), false},
        {"8-bit rows padded", bmp(5, 3, 8), true},
        {"8-bit rows padded, cut", bmp(5, 3, 8).substr(0, 54 + 23), false},
        {"not a bitmap: left to the picture loader", "\x89PNG and more", true},
        {"nothing", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(whole(c.file), c.whole);
    }
}

// A run-length stream says nothing of its length in advance: it is whole only if its end
// code (0 1), or the end of its last line (0 0), comes before the end of the file.
TEST(BitmapCheck, ARunLengthPictureCutBeforeItsEndIsTold)
{
    using namespace std::string_literals;
    // 4 x 2 at 8 bits: a run of 4 of colour 5, end of line; a literal run of 3 (padded to
    // a whole word), a run of 1, end of picture.
    const std::string rle8 = "\x04\x05\0\0"s + "\0\x03\x01\x02\x03\0"s + "\x01\x09\0\x01"s;
    // 5 x 2 at 4 bits: a literal run of 5 pixels takes 3 bytes and a pad byte.
    const std::string rle4 = "\0\x05\x12\x34\x50\0"s + "\0\0"s + "\x05\x77\0\x01"s;
    // 4 x 3: a skip of 1 right and 2 down lands on the last row, which its end of line closes.
    const std::string skip = "\0\x02\x01\x02"s + "\x03\x05\0\0"s;
    const struct {
        const char* what;
        std::string file;
        bool whole;
    } cases[] = {
        {"8 bits, whole", rle(4, 2, 8, rle8), true},
        {"8 bits, end code missing", rle(4, 2, 8, rle8.substr(0, rle8.size() - 2)), false},
        {"8 bits, cut inside the literal run", rle(4, 2, 8, rle8.substr(0, 7)), false},
        {"8 bits, cut before the literal run's pad byte", rle(4, 2, 8, rle8.substr(0, 9)), false},
        {"8 bits, cut between a run's count and its colour", rle(4, 2, 8, rle8.substr(0, 11)), false},
        {"8 bits, only the first line", rle(4, 2, 8, rle8.substr(0, 4)), false},
        {"8 bits, every line ended, no end code", rle(4, 2, 8, rle8.substr(0, 4) + "\x04\x01\0\0"s), true},
        {"8 bits, bytes after the end code", rle(4, 2, 8, rle8 + std::string(100, '\0')), true},
        {"8 bits, a skip to the last row", rle(4, 3, 8, skip), true},
        {"8 bits, cut inside a skip", rle(4, 3, 8, skip.substr(0, 3)), false},
        {"4 bits, whole", rle(5, 2, 4, rle4), true},
        {"4 bits, cut before the literal run's pad byte", rle(5, 2, 4, rle4.substr(0, 5)), false},
        {"4 bits, end code missing", rle(5, 2, 4, rle4.substr(0, rle4.size() - 2)), false},
        {"headers only", rle(4, 2, 8, ""), false},
        {"a stream far longer than the file says", rle(4, 2, 8, std::string(70000, '\x01')), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(whole(c.file), c.whole);
    }
}

TEST(BitmapCheck, FileOnDiskThatIsNoFileIsNotWhole)
{
    EXPECT_FALSE(bmp_soubor_je_cely("/nonexistent/nebe.bmp"));
    EXPECT_FALSE(bmp_soubor_je_cely("/"));
}

// Only a regular file opens, through links too, and nothing waits on the way: a named
// pipe once held the open, and with it the window, until a writer came.
TEST(DataFile, OnlyARegularFileOpensAndNothingWaits)
{
    char tmpl[] = "/tmp/tarvana-data-XXXXXX";
    ASSERT_TRUE(::mkdtemp(tmpl));
    const std::string dir = tmpl;
    auto in = [&](const char* name) { return dir + "/" + name; };
    {
        FILE* f = std::fopen(in("file").c_str(), "wb");
        ASSERT_TRUE(f);
        std::fputs("RIFF", f);
        std::fclose(f);
    }
    ASSERT_EQ(::mkfifo(in("fifo").c_str(), 0644), 0);
    ASSERT_TRUE(zanech_soket(QByteArray::fromStdString(in("socket"))));
    ASSERT_EQ(::symlink("/dev/zero", in("zero").c_str()), 0);
    ASSERT_EQ(::symlink(in("loop").c_str(), in("loop").c_str()), 0);
    ASSERT_EQ(::symlink(in("none").c_str(), in("dangling").c_str()), 0);
    ASSERT_EQ(::symlink(in("fifo").c_str(), in("to-fifo").c_str()), 0);
    ASSERT_EQ(::symlink(in("file").c_str(), in("to-file").c_str()), 0);
    ASSERT_EQ(::mkdir(in("folder").c_str(), 0755), 0);

    const struct {
        const char* name;
        bool opens;
    } cases[] = {
        {"file", true},     {"to-file", true},  {"fifo", false},     {"to-fifo", false},
        {"socket", false},  {"zero", false},    {"loop", false},     {"dangling", false},
        {"folder", false},  {"none", false},
    };
    Hlidac hlidac(20, "opening a special file waited");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DatovySoubor f(in(c.name));
        EXPECT_EQ(bool(f), c.opens);
        if (!f)
            continue;
        char b[8] = {};
        EXPECT_EQ(f.velikost(), 4);
        EXPECT_EQ(f.cti(1, b, sizeof b), 3u);
        EXPECT_STREQ(b, "IFF");
        EXPECT_EQ(f.cti(4, b, sizeof b), 0u);
    }
    std::filesystem::remove_all(dir);
}
