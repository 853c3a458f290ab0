// The real sound player (Qt Multimedia's audio output).
//
// Nothing here may make the window wait. The file is opened once, on the spot, and only if
// it is a regular file (a named pipe would hold the open for ever); its header is checked
// there too (a few hundred bytes), so that a damaged file gets the system's sound at once,
// as a missing one does. A file that passes is handed, still open, to an audio output that
// lives in a thread of its own: it reads the samples as it plays them, goes on while the
// game sleeps between animation steps, and whatever it meets, the window never waits for
// it. Only the newest request counts, so sounds started faster than the output can follow
// are dropped rather than queued up.
//
// Without a sound server the output cannot open and the sound plays into nothing: a
// machine without audio stays silent instead of beeping.
#include "game/qt_sound_player.h"

#include "game/wav_file.h"

#include <QApplication>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <optional>

namespace {

// The samples of one file, read from it only as far as the output has asked.
class WavData final : public QIODevice {
public:
    WavData(std::shared_ptr<const DatovySoubor> soubor, const WavZvuk& zvuk)
        : soubor_(std::move(soubor)), od_(zvuk.data_od), delka_(zvuk.data_delka)
    {
        QIODevice::open(QIODevice::ReadOnly);
    }

    qint64 size() const override { return delka_; }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 chci = std::min(max, delka_ - pos());
        if (chci <= 0)
            return 0;
        const auto mam = static_cast<qint64>(soubor_->cti(od_ + pos(), data, std::size_t(chci)));
        // The file shrank since it was checked: the sound ends where the file does.
        if (mam < chci)
            delka_ = pos() + mam;
        return mam;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::shared_ptr<const DatovySoubor> soubor_;
    qint64 od_;
    qint64 delka_;
};

QAudioFormat format_zvuku(const WavZvuk& z)
{
    QAudioFormat f;
    f.setSampleRate(z.frekvence);
    f.setChannelCount(z.kanaly);
    switch (z.vzorky) {
    case WavZvuk::Vzorky::u8: f.setSampleFormat(QAudioFormat::UInt8); break;
    case WavZvuk::Vzorky::s16: f.setSampleFormat(QAudioFormat::Int16); break;
    case WavZvuk::Vzorky::s32: f.setSampleFormat(QAudioFormat::Int32); break;
    case WavZvuk::Vzorky::f32: f.setSampleFormat(QAudioFormat::Float); break;
    }
    return f;
}

// Lives in the audio thread: at most one sound at a time.
class Vystup final : public QObject {
public:
    void hraj(std::shared_ptr<const DatovySoubor> soubor, const WavZvuk& zvuk)
    {
        zastav();
        data_ = std::make_unique<WavData>(std::move(soubor), zvuk);
        // No sound server, no device: the sound plays into nothing.
        const QAudioDevice zarizeni = QMediaDevices::defaultAudioOutput();
        if (zarizeni.isNull()) {
            data_.reset();
            return;
        }
        vystup_ = std::make_unique<QAudioSink>(zarizeni, format_zvuku(zvuk));
        vystup_->start(data_.get());
    }

    void zastav()
    {
        // The output lets go of the samples before they go.
        if (vystup_)
            vystup_->stop();
        vystup_.reset();
        data_.reset();
    }

private:
    std::unique_ptr<WavData> data_;
    std::unique_ptr<QAudioSink> vystup_;
};

// A sound to play (its file open and checked), or nothing: stop.
struct Pozadavek {
    std::shared_ptr<const DatovySoubor> soubor;
    WavZvuk zvuk;
};

class QtPrehravac final : public platform::SoundPlayer {
public:
    explicit QtPrehravac(std::function<void()> pipnuti) : pipnuti_(std::move(pipnuti)) {}

    ~QtPrehravac() override
    {
        if (!vlakno_)
            return;
        Vystup* v = vystup_;
        QThread* vl = vlakno_;
        QMetaObject::invokeMethod(v, [v, vl] {
            v->zastav();
            v->deleteLater();
            vl->quit();
        }, Qt::QueuedConnection);
        // An audio output stuck in its sound server must not keep the program from
        // ending: after a while the thread is left to the end of the process.
        if (vl->wait(2000))
            delete vl;
    }

    void play(const std::string& file) override
    {
        auto soubor = std::make_shared<const DatovySoubor>(file);
        const auto zvuk = *soubor ? rozbor_wav(soubor->velikost(), soubor->ctecka()) : std::nullopt;
        if (!zvuk) {
            // A missing or damaged file: nobody asked for silence, so the system's sound
            // stands in, and whatever played before is cut off as by any new sound.
            posli(Pozadavek{});
            pipnuti_();
            return;
        }
        posli(Pozadavek{std::move(soubor), *zvuk});
    }

    void stop() override
    {
        if (vlakno_)
            posli(Pozadavek{});
    }

private:
    void posli(Pozadavek p)
    {
        if (!vlakno_) {
            if (!p.soubor)
                return;
            spust_vlakno();
        }
        std::lock_guard zamek(mutex_);
        cekajici_ = std::move(p);
        if (probuzeno_)
            return;
        probuzeno_ = true;
        QMetaObject::invokeMethod(vystup_, [this] { obsluz(); }, Qt::QueuedConnection);
    }

    // In the audio thread: only the newest request is carried out.
    void obsluz()
    {
        std::optional<Pozadavek> p;
        {
            std::lock_guard zamek(mutex_);
            p.swap(cekajici_);
            probuzeno_ = false;
        }
        if (!p)
            return;
        if (p->soubor)
            vystup_->hraj(std::move(p->soubor), p->zvuk);
        else
            vystup_->zastav();
    }

    void spust_vlakno()
    {
        vlakno_ = new QThread;
        vlakno_->setObjectName(QStringLiteral("tarvana-zvuk"));
        vystup_ = new Vystup;
        vystup_->moveToThread(vlakno_);
        vlakno_->start();
    }

    std::function<void()> pipnuti_;
    QThread* vlakno_ = nullptr;
    Vystup* vystup_ = nullptr;
    std::mutex mutex_;
    std::optional<Pozadavek> cekajici_;
    bool probuzeno_ = false;
};

} // namespace

std::unique_ptr<platform::SoundPlayer> vytvor_qt_prehravac()
{
    return vytvor_qt_prehravac([] { QApplication::beep(); });
}

std::unique_ptr<platform::SoundPlayer> vytvor_qt_prehravac(std::function<void()> pipnuti)
{
    return std::make_unique<QtPrehravac>(std::move(pipnuti));
}
