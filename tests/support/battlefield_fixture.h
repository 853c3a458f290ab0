#pragma once
// The battlefield window the way every window test needs it: the settings window it reads
// beside it (none for the combat and computer fields, whose games keep the state their
// cases give them), and fields laid by hand for the combat, movement and computer cases. A bare
// window runs from a folder of its own (the sky picture is there only when a test puts it
// there); a laid field plays on with the game's own data.
#include "battlefield/canvas.h"
#include "combat/ballistics.h"
#include "game/tarvana_hra.h"
#include "shop/tarvana_obchod.h"
#include "settings/tarvana_nastaveni.h"
#include "tests/support/recorders.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The computer's turn as it stood at one moment.
struct Okamzik {
    bool zachyceno = false;
    PlayerState ja;
    int scr_uhel2 = 0;
    int scr_sila2 = 0;
    QString lbl_uhel2;
    QString lbl_sila2;
    // Which of player 2's count labels are hidden, by WeaponKind.
    std::array<bool, pocet_zbrani> naboje_skryte{};
};

class BattlefieldTest : public PlatformTest {
protected:
    // The field a case's fixture has laid before each of its cases.
    enum class Field { none, combat, driving, computer };
    explicit BattlefieldTest(Field field = Field::none) : field_(field) {}

    QTemporaryDir folder;
    QString previous_dir;
    std::unique_ptr<Tform_nastaveni> settings;
    std::unique_ptr<Tform_hra> window;

    void SetUp() override;
    void TearDown() override;

    Canvas& canvas() { return window->platno(); }

    // The main menu makes a fresh window for every game.
    static std::unique_ptr<Tform_hra> new_window();
    // A small sky, so that filling the band has to repeat it from the origin.
    static QImage write_sky();
    // Shows the window as the main menu does and waits until its game has started.
    void start_game(Tform_hra& w);

    // Flat ground with its surface at row `povrch`.
    static void rovina(int povrch) { vysky.fill(povrch); }
    // Stands player p's tank with its right edge at column x on the ground.
    static void postav(int p, int x);
    // The same with its aim, full energy and fuel, and the player's colour.
    static void postav(int p, int x, int uhel, int sila);

    // Two humans on flat ground at row 300, player 1 at column 100 aiming 45 at power 70,
    // player 2 at 700 aiming 135, no wind, no flight delay, sound on, a small sky picture
    // and the picture painted the way a round start paints it.
    void lay_combat_field();
    // Sky picture in rows 0..199, plain sky below, ground under every column's surface.
    void namaluj();
    // An angle and power for player p's shell to end as `kind`, where `kde` likes the point.
    static std::optional<std::pair<int, int>> zamer(int p, ImpactKind kind,
                                                    const std::function<bool(Bod)>& kde = {});
    static void mir(int p, std::pair<int, int> z);

    // Flat ground at row 300, player 1 at column 100, player 2 at 650, both with full
    // tanks, two humans playing, player 1 to move with the battle controls enabled, and
    // sound off: the movement and shop cases.
    void lay_driving_field();
    void natankuj(int p, int nafta);
    // A mouse button released over the battlefield picture at column X.
    void klik(int X, Qt::MouseButton tlacitko = Qt::LeftButton);

    // A fresh window and game state: the computer to move on flat ground at row 300, the
    // tanks at their usual columns, full, with 2500 credits. The turn is looked at at two
    // moments: when it has bought, driven and chosen its weapon (the 1500 ms pause), and
    // just before it fires (the messages processed right before the shot). Cases of a
    // table call it again for each row.
    void computer_to_move();
    Okamzik po_vyberu;
    Okamzik pred_vystrelem;
    Okamzik zachyt() const;

private:
    Field field_;
    int pumpy_po_vyberu_ = 0;
};

// Opens the shop with the battlefield's shop button, lets `co` act in it, closes it with
// its close box and returns, once the battlefield has taken the values back, whether the
// shop came up at all.
bool nakupuj(Tform_hra& okno, const std::function<void(Tform_obchod&)>& co);
