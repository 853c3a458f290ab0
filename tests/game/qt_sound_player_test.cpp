// The real sound player: never waits, stands the system's sound in for a file it cannot
// play, and keeps one sound at a time.
#include "game/qt_sound_player.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A short, valid 8-bit mono PCM file.
void write_wav(const QString& path, int samples)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QDataStream s(&f);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(11025) << quint32(11025)
      << quint16(1) << quint16(8);
    s.writeRawData("data", 4);
    s << quint32(samples);
    for (int i = 0; i < samples; ++i)
        s << quint8(i % 32 < 16 ? 96 : 160);
}

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SoundPlayerTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    int beeps = 0;
    std::unique_ptr<platform::SoundPlayer> player = vytvor_qt_prehravac([this] { ++beeps; });

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

} // namespace

TEST_F(SoundPlayerTest, MissingFileBeepsAtOnce)
{
    player->play(path("none.wav"));
    EXPECT_EQ(beeps, 1);
    player->play(dir.path().toStdString()); // a folder is no sound either
    EXPECT_EQ(beeps, 2);
}

TEST_F(SoundPlayerTest, UndecodableFileBeepsWhenItsDecodingFails)
{
    write_bytes(dir.filePath("bad.wav"), QByteArray("RIFF this is not a sound at all", 31));
    player->play(path("bad.wav"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return beeps == 1; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(beeps, 1);
}

TEST_F(SoundPlayerTest, ValidFileReturnsAtOnceAndStaysQuiet)
{
    write_wav(dir.filePath("ok.wav"), 11025 * 3);
    QElapsedTimer t;
    t.start();
    player->play(path("ok.wav"));
    player->stop();
    player->play(path("ok.wav"));
    // Three seconds of sound; playing must not wait for any of it.
    EXPECT_LT(t.elapsed(), 1000);
    QTest::qWait(300);
    EXPECT_EQ(beeps, 0);
    player->stop();
    player->stop();
}

TEST_F(SoundPlayerTest, ReplacedSoundNoLongerReports)
{
    write_bytes(dir.filePath("bad.wav"), QByteArray(64, 'x'));
    write_wav(dir.filePath("ok.wav"), 2000);
    player->play(path("bad.wav"));
    player->play(path("ok.wav"));
    QTest::qWait(300);
    EXPECT_EQ(beeps, 0);
}

TEST(SoundPlayerStop, StopWithNothingPlayingIsHarmless)
{
    auto player = vytvor_qt_prehravac();
    player->stop();
}
