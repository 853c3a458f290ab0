// Every data file, damaged every way a copy of data/ can come damaged, special files
// included (a named pipe, a socket, links to a device and to themselves: opening any of
// them must not hold up the window): the game plays a scripted game (start, a shop
// visit, a drive, a nuke and the computer's answer, a shot off the side, a crate, a round
// end) and closes. A damaged sound gets the system's
// sound each time it is played, a damaged sky picture stops the game with its message,
// and nothing ever hangs.
#include "combat/ballistics.h"
#include "game/qt_sound_player.h"
#include "movement/crates.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/modalni_okna.h"
#include "tests/support/damaged_files.h"
#include "tests/support/battlefield_fixture.h"
#include "tests/support/watchdog.h"

#include <QFile>

#include <map>
#include <unistd.h>

namespace {

const char* const soubory[] = {"nebe.bmp",  "start.wav", "vystrel.wav", "nuke.wav", "vybuch.wav",
                               "smich.wav", "motor.wav", "bonus.wav",   "nakup.wav"};

struct Pripad {
    const char* soubor;
    Poskozeni jak;
};

// The real player, with every sound and every stand-in beep written down by file.
struct ZapisujiciPrehravac : platform::SoundPlayer {
    std::string hraje;
    std::map<std::string, int> prehrano, pipnuto;
    std::unique_ptr<platform::SoundPlayer> skutecny =
        vytvor_qt_prehravac([this] { ++pipnuto[hraje]; });
    void play(const std::string& file) override
    {
        hraje = file;
        ++prehrano[file];
        skutecny->play(file);
    }
    void stop() override { skutecny->stop(); }
};

class DamagedDataTest : public BattlefieldTest, public ::testing::WithParamInterface<Pripad> {
protected:
    ZapisujiciPrehravac zvuky;

    void SetUp() override
    {
        BattlefieldTest::SetUp();
        platform::install(&zvuky);
        // A fresh copy of the game's own data, then the one file damaged.
        QDir().mkpath(QStringLiteral("data"));
        for (const char* s : soubory)
            ASSERT_TRUE(QFile::copy(previous_dir + QStringLiteral("/data/") + QLatin1String(s),
                                    QStringLiteral("data/") + QLatin1String(s)));
        ASSERT_TRUE(poskod(QStringLiteral("data/") + QLatin1String(GetParam().soubor), GetParam().jak));
        settings->rdb_clovek_pocitac->setChecked(true);
        settings->chk_zvuk->setChecked(true);
    }

    void TearDown() override
    {
        delete form_obchod;
        form_obchod = nullptr;
        BattlefieldTest::TearDown();
    }

    // Whether the damaged file is still one the game can use: as root a file without
    // read permission reads all the same, and a file grown to 50 MB is still whole.
    bool jeste_citelny() const
    {
        const std::string cesta = std::string("data/") + GetParam().soubor;
        switch (GetParam().jak) {
        case Poskozeni::necitelny: return ::access(cesta.c_str(), R_OK) == 0;
        case Poskozeni::velky: return true;
        default: return false;
        }
    }

    void strel(int poloha_uhlu, int sila, int zbran = zakladni_strela)
    {
        window->scr_uhel1->setValue(poloha_uhlu);
        window->scr_sila1->setValue(sila);
        window->cmb_zbran1->setCurrentIndex(zbran);
        window->cmb_zbran1Select();
        ASSERT_TRUE(window->btn_pal->isEnabled());
        window->btn_pal->click();
    }

    // The scripted game: every sound of the game is asked for at least once.
    void hraj(ModalniOkna& okna)
    {
        okna.pri_otevreni = [](QWidget* w) {
            if (auto* o = qobject_cast<Tform_obchod*>(w))
                o->btn_mini->click();
        };
        window->btn_obchod->click();
        ASSERT_EQ(hrac[0].naboje[mini_nuke], 1) << "the shop sold nothing";

        // A drive to the right, then the nuke and the computer's whole answer.
        const int x_pred = hrac[0].x;
        QTest::mouseClick(window->img_krajina, Qt::LeftButton, {}, QPoint(hrac[0].x + 25, 300));
        EXPECT_GT(hrac[0].x, x_pred) << "the tank did not drive";
        strel(45, 70, mini_nuke);
        ASSERT_EQ(na_tahu, 0);

        // Far too strong: the shell leaves through the right edge.
        strel(45, 200);

        if (bonus_x == 0) {
            random.next = {300}; // the crate's column: 15 + 300, well away from both tanks
            umisti_bonus(*window);
        }

        // Straight up and gently: the shell comes down on its own tank, which has one
        // point of energy left, and the round ends.
        const int body = hrac[1].stav;
        hrac[0].energie = 1;
        strel(0, 10);
        EXPECT_EQ(hrac[1].stav, body + 1) << "the round did not end";
    }
};

} // namespace

TEST_P(DamagedDataTest, TheGamePlaysOnOrSaysWhichFileItCannotRead)
{
    const std::string soubor = std::string("data/") + GetParam().soubor;
    const bool citelny = jeste_citelny();
    const bool je_nebe = std::string(GetParam().soubor) == "nebe.bmp";
    Hlidac hlidac(60, soubor + " " + nazev_poskozeni(GetParam().jak));
    ModalniOkna okna;

    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->hra_zacala(); }, 5000));
    if (je_nebe && !citelny) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !okna.zpravy.empty(); }, 5000));
        EXPECT_TRUE(okna.zpravy.front().contains(QStringLiteral("data/nebe.bmp")))
            << okna.zpravy.front().toStdString();
        EXPECT_FALSE(nebe);
        EXPECT_EQ(zvuky.prehrano.count("data/start.wav"), 0u) << "a round started";
        EXPECT_FALSE(window->btn_pal->isEnabled());
    } else {
        EXPECT_TRUE(okna.zpravy.empty());
        hraj(okna);
        EXPECT_TRUE(okna.zpravy.empty()) << okna.zpravy.front().toStdString();
        // Every file the game plays was played, and only the damaged one beeped, each time.
        for (const char* s : soubory) {
            const std::string f = std::string("data/") + s;
            if (f == "data/nebe.bmp")
                continue;
            SCOPED_TRACE(f);
            EXPECT_GT(zvuky.prehrano[f], 0) << "the scripted game never played it";
            const int ocekavano = f == soubor && !citelny ? zvuky.prehrano[f] : 0;
            EXPECT_EQ(zvuky.pipnuto[f], ocekavano);
        }
    }
    window->close();
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileEveryDamage, DamagedDataTest,
    ::testing::ValuesIn([] {
        std::vector<Pripad> v;
        for (const char* s : soubory)
            for (Poskozeni p : vsechna_poskozeni)
                v.push_back({s, p});
        return v;
    }()),
    [](const ::testing::TestParamInfo<Pripad>& i) {
        std::string n = std::string(i.param.soubor) + "_" + nazev_poskozeni(i.param.jak);
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });
