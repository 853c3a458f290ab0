// The files the game reads from data/ beside its working directory: present, readable,
// and in the forms the picture loader and the sound player accept.
#include "game/colors.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
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
