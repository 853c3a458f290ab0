// The real sound player: never makes the window wait, stands the system's sound in for a
// file it cannot play, and keeps one sound at a time.
#include "game/qt_sound_player.h"

#include "tests/support/cele_hry.h"
#include "tests/support/damaged_files.h"
#include "tests/support/watchdog.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>
#include <random>

#include <gtest/gtest.h>

namespace {

// A short, valid 8-bit mono PCM file.
QByteArray wav(int samples)
{
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
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
    return b;
}

// Bytes read so far by the process or by this thread, from its /proc io file; -1 without one.
qint64 bytes_read(const char* io_file)
{
    QFile f(QString::fromLatin1(io_file));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// The ids of the player's audio threads running now, by the name it gives them.
QSet<QString> audio_threads()
{
    QSet<QString> ids;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& t : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(t + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "tarvana-zvuk")
            ids.insert(t);
    }
    return ids;
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

// Each of these once left the loader waiting for bytes that never came, and the next
// sound but one froze the window for good. Now each is told at once, like a missing file.
TEST_F(SoundPlayerTest, DamagedFilesBeepAtOnceAndNeverHoldUpTheNextSounds)
{
    const QByteArray good = wav(4000);
    QByteArray no_fmt = good;
    no_fmt.replace(12, 4, "junk");
    QByteArray adpcm = good;
    adpcm[20] = 2;
    QByteArray bits24 = good;
    bits24[34] = 24;
    QByteArray wrong_align = good;
    wrong_align[32] = 3;
    const QByteArray data_first = good.left(12) + good.mid(36) + good.mid(12, 24);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"header only", good.left(44)},
        {"cut to 1000 bytes", good.left(1000)},
        {"RIFF....WAVE then junk", QByteArray("RIFF\x10\0\0\0WAVE", 12) + QByteArray(3000, 'j')},
        {"not RIFF at all", QByteArray(64, 'x')},
        {"no format chunk", no_fmt},
        {"ADPCM", adpcm},
        {"24-bit samples", bits24},
        {"frame size that does not fit", wrong_align},
        {"samples before their format", data_first},
    };
    write_bytes(dir.filePath("ok.wav"), good);
    Hlidac hlidac(20, "the sound player kept the window waiting");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_bytes(dir.filePath("bad.wav"), c.bytes);
        beeps = 0;
        QElapsedTimer t;
        t.start();
        player->play(path("bad.wav"));
        EXPECT_EQ(beeps, 1);
        player->play(path("ok.wav"));
        player->play(path("ok.wav"));
        player->play(path("bad.wav"));
        player->stop();
        EXPECT_EQ(beeps, 2);
        EXPECT_LT(t.elapsed(), 500);
        // Nothing reports later either.
        QTest::qWait(20);
        EXPECT_EQ(beeps, 2);
    }
}

TEST_F(SoundPlayerTest, ValidFileReturnsAtOnceAndStaysQuiet)
{
    write_bytes(dir.filePath("ok.wav"), wav(11025 * 3));
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

// A 50 MB sound is streamed as it plays: play() reads its header and returns, and nothing
// reads ahead of the output (the whole file once took play() 100 ms and more).
TEST_F(SoundPlayerTest, HugeSoundIsNotReadAhead)
{
    write_bytes(dir.filePath("big.wav"), zvetseny(wav(11025)));
    const qint64 all_before = bytes_read("/proc/self/io");
    const qint64 mine_before = bytes_read("/proc/thread-self/io");
    if (all_before < 0 || mine_before < 0)
        GTEST_SKIP() << "no read counters in /proc";
    player->play(path("big.wav"));
    EXPECT_LT(bytes_read("/proc/thread-self/io") - mine_before, 64 * 1024) << "play() read ahead";
    QTest::qWait(100);
    player->stop();
    EXPECT_LT(bytes_read("/proc/self/io") - all_before, 4 * 1024 * 1024) << "the output read ahead";
    EXPECT_EQ(beeps, 0);
}

// Sounds started faster than any output can follow, a quarter of them damaged: the window
// never waits, each damaged one is told, and memory stays where it was.
TEST_F(SoundPlayerTest, ThousandRapidReplacementsNeitherHangNorGrow)
{
    write_bytes(dir.filePath("ok.wav"), wav(11025));
    write_bytes(dir.filePath("cut.wav"), wav(11025).left(1000));
    std::mt19937 g(3);
    auto round = [&](int count) {
        int damaged = 0;
        for (int i = 0; i < count; ++i) {
            const bool bad = g() % 4 == 0;
            damaged += bad;
            player->play(path(bad ? "cut.wav" : "ok.wav"));
            QElapsedTimer t;
            t.start();
            const int gap = static_cast<int>(g() % 6);
            while (t.elapsed() < gap)
                QCoreApplication::processEvents();
        }
        return damaged;
    };
    Hlidac hlidac(60, "1000 rapid sounds kept the window waiting");
    round(100); // the output and its thread are up
    const long before = stav_pameti_kb("VmRSS");
    beeps = 0;
    QElapsedTimer t;
    t.start();
    const int damaged = round(1000);
    const long after = stav_pameti_kb("VmRSS");
    std::cout << "1000 sounds in " << t.elapsed() << " ms, " << damaged << " of them damaged, RSS "
              << before << " kB -> " << after << " kB\n";
    EXPECT_EQ(beeps, damaged);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(after - before, 2048) << "RSS " << before << " kB before, " << after << " kB after";
#endif
}

// Closing mid-sound stops the output and ends its thread: it neither waits for the end of
// the sound (more than an hour of it here) nor gives up on the thread and leaves it
// running, which the player does only when a sound server holds the output for good.
TEST_F(SoundPlayerTest, ClosingThePlayerMidSoundEndsItsThread)
{
    write_bytes(dir.filePath("long.wav"), zvetseny(wav(11025)));
    const QSet<QString> before = audio_threads();
    player->play(path("long.wav"));
    QTest::qWait(50);
    const QSet<QString> mine = audio_threads() - before;
    ASSERT_EQ(mine.size(), 1);
    player.reset();
    // The thread has finished when the player is gone; the system takes a moment to
    // clear it away.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !audio_threads().contains(*mine.begin()); }, 500))
        << "the audio thread was left running";
}

TEST(SoundPlayerStop, StopWithNothingPlayingIsHarmless)
{
    auto player = vytvor_qt_prehravac();
    player->stop();
}
