#pragma once
// A battlefield window with the settings window it reads, run from a folder of its own:
// the sky picture is there only when a test puts it there.
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "tests/support/recorders.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class BattlefieldTest : public PlatformTest {
protected:
    QTemporaryDir folder;
    QString previous_dir;
    std::unique_ptr<Tform_nastaveni> settings;
    std::unique_ptr<Tform_hra> window;

    void SetUp() override
    {
        PlatformTest::SetUp();
        previous_dir = QDir::currentPath();
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
        settings = std::make_unique<Tform_nastaveni>();
        form_nastaveni = settings.get();
        window = new_window();
    }

    void TearDown() override
    {
        window.reset();
        settings.reset();
        form_nastaveni = nullptr;
        QDir::setCurrent(previous_dir);
        PlatformTest::TearDown();
    }

    // The main menu makes a fresh window for every game.
    static std::unique_ptr<Tform_hra> new_window()
    {
        auto w = std::make_unique<Tform_hra>();
        form_hra = w.get();
        return w;
    }

    // A small sky, so that filling the band has to repeat it from the origin.
    static QImage write_sky()
    {
        QImage sky(97, 61, QImage::Format_RGB32);
        for (int y = 0; y < sky.height(); ++y)
            for (int x = 0; x < sky.width(); ++x)
                sky.setPixel(x, y, qRgb(x * 2, y * 4, 200));
        QDir().mkpath(QStringLiteral("data"));
        EXPECT_TRUE(sky.save(QStringLiteral("data/nebe.bmp"), "BMP"));
        return sky;
    }

    // Shows the window as the main menu does and waits until its game has started.
    void start_game(Tform_hra& w)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.hra_zacala(); }, 5000));
    }
};
