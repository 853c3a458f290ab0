// The files the game reads from data/ beside its working directory: present, readable,
// and in the forms the picture loader and the sound player accept; and the sky loader,
// which must not take a compressed picture cut short for a whole one.
#include "game/colors.h"
#include "game/sky_picture.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const char* const sounds[] = {"start.wav", "vystrel.wav", "nuke.wav", "vybuch.wav",
                              "smich.wav", "motor.wav",   "bonus.wav", "nakup.wav"};

QByteArray read_all(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

std::uint16_t u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

std::uint32_t u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}

struct WavInfo {
    bool has_fmt = false;
    std::uint16_t format = 0, channels = 0, block_align = 0, bits = 0;
    std::uint32_t rate = 0, byte_rate = 0;
    qsizetype data_size = -1;
};

// Walks the RIFF chunks the way a player does, so a chunk length that runs past the file
// or a missing chunk is caught rather than skipped.
::testing::AssertionResult parse_wav(const QByteArray& b, WavInfo& info)
{
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return ::testing::AssertionFailure() << "no RIFF/WAVE signature";
    if (u32(b, 4) != static_cast<std::uint32_t>(b.size() - 8))
        return ::testing::AssertionFailure() << "RIFF length " << u32(b, 4) << " for a file of " << b.size();
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype len = u32(b, at + 4);
        if (at + 8 + len > b.size())
            return ::testing::AssertionFailure() << "chunk " << id.constData() << " runs past the end";
        if (id == "fmt ") {
            if (len < 16)
                return ::testing::AssertionFailure() << "short fmt chunk";
            info.has_fmt = true;
            info.format = u16(b, at + 8);
            info.channels = u16(b, at + 10);
            info.rate = u32(b, at + 12);
            info.byte_rate = u32(b, at + 16);
            info.block_align = u16(b, at + 20);
            info.bits = u16(b, at + 22);
        } else if (id == "data") {
            if (!info.has_fmt)
                return ::testing::AssertionFailure() << "data before fmt";
            info.data_size = len;
        }
        at += 8 + len + (len & 1);
    }
    if (!info.has_fmt || info.data_size < 0)
        return ::testing::AssertionFailure() << "fmt or data chunk missing";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(DataFiles, EverySoundIsPlayableMonoPcm)
{
    for (const char* name : sounds) {
        SCOPED_TRACE(name);
        const QByteArray bytes = read_all(QStringLiteral("data/") + QString::fromLatin1(name));
        ASSERT_FALSE(bytes.isEmpty()) << "data/" << name << " is missing or empty";
        WavInfo wav;
        ASSERT_TRUE(parse_wav(bytes, wav));
        EXPECT_EQ(wav.format, 1) << "not plain PCM";
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.rate, 22050u);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_EQ(wav.block_align, wav.channels * wav.bits / 8);
        EXPECT_EQ(wav.byte_rate, wav.rate * wav.block_align);
        EXPECT_GT(wav.data_size, 0);
        EXPECT_EQ(wav.data_size % wav.block_align, 0);
        // A sound is not silence: some sample must reach a tenth of full scale.
        const qsizetype first = bytes.indexOf("data") + 8;
        int peak = 0;
        for (qsizetype i = first; i + 1 < first + wav.data_size; i += 2)
            peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(u16(bytes, i)))));
        EXPECT_GT(peak, 3276);
    }
}

TEST(DataFiles, SoundsLastAsLongAsTheGameWaitsForThem)
{
    // The drive waits 4100 ms with the engine running and a nuke shot cuts its siren after
    // 1000 ms; shorter files would leave the waits silent.
    auto seconds = [](const char* name) {
        const QByteArray bytes = read_all(QStringLiteral("data/") + QString::fromLatin1(name));
        WavInfo wav;
        if (!parse_wav(bytes, wav) || wav.byte_rate == 0)
            return 0.0;
        return static_cast<double>(wav.data_size) / wav.byte_rate;
    };
    EXPECT_GE(seconds("motor.wav"), 3.5);
    EXPECT_GE(seconds("nuke.wav"), 1.0);
}

TEST(DataFiles, SkyPictureCoversTheBandAndMeetsThePlainSky)
{
    QImage sky(QStringLiteral("data/nebe.bmp"));
    ASSERT_FALSE(sky.isNull()) << "data/nebe.bmp does not load";
    EXPECT_GE(sky.width(), 790);
    EXPECT_GE(sky.height(), 200);
    // Row 199 is painted just above the plain sky of row 200: any difference is a seam.
    const QRgb plain = qRgb(barva_nebe & 0xFF, (barva_nebe >> 8) & 0xFF, (barva_nebe >> 16) & 0xFF);
    for (int x = 0; x < 790; x += 7)
        ASSERT_EQ(sky.pixel(x, 199) & 0xFFFFFF, plain & 0xFFFFFF) << "column " << x;
}

namespace {

// A 4 x 2 bitmap of 8 bits a pixel, run-length compressed, with a palette of four
// colours: black, red, green, blue.
QByteArray rle8_picture(const QByteArray& stream)
{
    QByteArray b(70, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<std::uint32_t>(std::uint32_t(70 + stream.size()), b.data() + 2);
    qToLittleEndian<std::uint32_t>(70, b.data() + 10);
    qToLittleEndian<std::uint32_t>(40, b.data() + 14);
    qToLittleEndian<std::int32_t>(4, b.data() + 18);
    qToLittleEndian<std::int32_t>(2, b.data() + 22);
    qToLittleEndian<std::uint16_t>(1, b.data() + 26);
    qToLittleEndian<std::uint16_t>(8, b.data() + 28);
    qToLittleEndian<std::uint32_t>(1, b.data() + 30);
    qToLittleEndian<std::uint32_t>(std::uint32_t(stream.size()), b.data() + 34);
    qToLittleEndian<std::uint32_t>(4, b.data() + 46);
    const char palette[] = {0, 0, 0, 0, 0, 0, '\xff', 0, 0, '\xff', 0, 0, '\xff', 0, 0, 0};
    b.replace(54, 16, palette, 16);
    return b + stream;
}

} // namespace

TEST(SkyLoader, RunLengthPictureCutShortIsRefused)
{
    // Bottom row first: four red pixels and its end of line; then the top row as a
    // literal run green, blue, green, blue; then the end code.
    const QByteArray bottom("\x04\x01\x00\x00", 4);
    const QByteArray top("\x00\x04\x02\x03\x02\x03", 6);
    const QByteArray end("\x00\x01", 2);
    const struct {
        const char* what;
        QByteArray stream;
        bool loads;
    } cases[] = {
        {"whole", bottom + top + end, true},
        {"end code missing", bottom + top, false},
        {"top row missing", bottom, false},
    };
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("nebe.bmp")).toStdString();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(rle8_picture(c.stream));
        f.close();
        QImage sky;
        ASSERT_EQ(nacti_obrazek_nebe(path, sky), c.loads);
        if (!c.loads)
            continue;
        ASSERT_EQ(sky.size(), QSize(4, 2));
        EXPECT_EQ(sky.pixel(0, 1), qRgb(255, 0, 0));
        EXPECT_EQ(sky.pixel(3, 1), qRgb(255, 0, 0));
        EXPECT_EQ(sky.pixel(0, 0), qRgb(0, 255, 0));
        EXPECT_EQ(sky.pixel(1, 0), qRgb(0, 0, 255));
    }
}
