// The real sound player (Qt Multimedia).
//
// On Linux Qt 6.4 decodes the WAV itself and plays it through PulseAudio (or PipeWire's
// PulseAudio server); no media plugin is involved. Without a sound server the effect still
// "plays" into no device, so a machine without audio stays silent instead of beeping.
#include "game/qt_sound_player.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtPrehravac final : public platform::SoundPlayer {
public:
    explicit QtPrehravac(std::function<void()> pipnuti) : pipnuti_(std::move(pipnuti)) {}

    void play(const std::string& file) override
    {
        // One sound at a time: the new one cuts off whatever plays.
        stop();
        zvuk_.reset();
        const QFileInfo info(QString::fromStdString(file));
        if (!info.isFile() || !info.isReadable()) {
            // Nobody asked for silence on a missing file: the system's sound stands in.
            pipnuti_();
            return;
        }
        zvuk_ = std::make_unique<QSoundEffect>();
        QSoundEffect* z = zvuk_.get();
        // Decoding runs in the background; a file that turns out not to be a sound we
        // can play gets the system's sound as well.
        QObject::connect(z, &QSoundEffect::statusChanged, z, [this, z] {
            if (z->status() == QSoundEffect::Error)
                pipnuti_();
        });
        z->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        z->play();
    }

    void stop() override
    {
        if (zvuk_)
            zvuk_->stop();
    }

private:
    std::function<void()> pipnuti_;
    std::unique_ptr<QSoundEffect> zvuk_;
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
