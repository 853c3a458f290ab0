#pragma once
// The monkey's parts (monkey.h): what one run shares, the dice, the inputs, the rule
// checks and the player of each window. The driver in monkey.cpp owns one of each and
// hands each part the others it works with.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "game/game_state.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/monkey.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <deque>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace monkey {

// The game types the monkey plays in turn: against the computer at every skill, then
// two humans.
struct GameType {
    int typ;
    int skill; // -1 for two humans
};
constexpr std::array<GameType, 6> game_types{{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {0, -1}}};

// The game state that only the game's actions may change. Aim (angle, power, weapon)
// is left out: its controls stay usable during a human's drive.
struct Snapshot {
    std::array<PlayerState, 2> h{};
    Heightmap v{};
    std::int32_t bonus = 0;
    std::int32_t tah = 0;

    static Snapshot now();
    // Empty when equal, otherwise the first difference.
    std::string difference(const Snapshot& o) const;
};

// What a shop window shows, read the way the shop reads it.
struct ShopView {
    int kredit = 0;
    int energie = 0;
    int nafta = 0;
    std::array<int, pocet_zbrani> naboje{};

    static ShopView of(const Tform_obchod& o);
    bool operator==(const ShopView&) const = default;
};

// What the parts share about one run: the report, the inputs that led here, and where
// play stands (which game, which shop, how deep the inputs nest).
struct RunState {
    RunState(std::uint32_t seed, long events);

    // Records a broken rule with the inputs that led to it.
    void fail(const std::string& what);

    MonkeyReport report;
    long budget;
    long session_budget;
    long session_events = 0;
    int goal;
    GameType game_type{1, 2};
    bool game_counted = true;
    bool stopped = false;
    bool finishing = false;
    int depth = 0;
    int in_pump = 0;
    bool round_seen = false;
    QPointer<Tform_hra> game;
    QPointer<Tform_obchod> shop;
    int shop_player = 0;
    QPointer<QMessageBox> last_box;
    QPointer<QWidget> last_popup;
    std::deque<std::string> trail;
    const bool trace = qEnvironmentVariableIsSet("TARVANA_MONKEY_TRACE");

    struct SinceQuiet {
        bool fire = false;
        bool drive = false;
        bool shop = false;
    } since_quiet;
    Snapshot baseline;
    bool baseline_valid = false;
};

// Every choice of the run, drawn from its seed.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : rng_(seed) {}
    int pick(int n);
    bool chance(double p);
    // An index drawn by the given weights.
    int choose(std::initializer_list<int> weights);

private:
    std::mt19937 rng_;
};

// Inputs as the platform delivers them, each noted in the run's trail.
class Inputs {
public:
    Inputs(RunState& run, Dice& dice) : run_(run), dice_(dice) {}

    // The window on top, the one the next input goes to.
    QWidget* top();
    void note(const QWidget* w, const std::string& what);
    Qt::MouseButton any_button();
    Qt::KeyboardModifiers any_modifiers();
    // A mouse click (or a lone release) at pos inside w, delivered through w's window
    // the way the platform delivers it, modal blocking included.
    void mouse(QWidget* w, QPoint pos, Qt::MouseButton b, Qt::KeyboardModifiers m,
               bool release_only, const std::string& what);
    void click(QWidget* w, const std::string& what);
    void click_anywhere(QWidget* okno);
    void key(QWidget* okno, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier);
    void any_key(QWidget* okno);
    void move_scroll_bar(QWidget* okno);
    void select_combo(QWidget* okno);
    // A button pressed by the mouse, its accelerator, or Enter/Space when it has focus.
    void press(QPushButton* b, Qt::Key accelerator);
    void close_window(QWidget* w);

    template <class T>
    std::vector<T*> visible_children(QWidget* okno)
    {
        std::vector<T*> v;
        for (T* c : okno->findChildren<T*>())
            if (c->isVisible())
                v.push_back(c);
        return v;
    }

private:
    RunState& run_;
    Dice& dice_;
};

// The invariants of the game and its windows that must hold after every input,
// whatever the input was.
class RuleChecks {
public:
    explicit RuleChecks(RunState& run) : run_(run) {}

    // Rules that hold after every input.
    void check();
    // The battlefield waits for its player: nothing runs and nothing is on top of it.
    bool quiet() const;
    // One input in the shop buys at most one thing, at its price, within its cap, and
    // the battlefield shows the result at once.
    void check_shop_event(Tform_obchod& o, const ShopView& pred);
    // When the program has ended, no window may still be open or waiting.
    void check_nothing_left_open();

private:
    void check_quiet(Tform_hra& f);
    void expect(bool ok, const std::string& what);
    template <class A, class B>
    void expect_eq(const A& a, const B& b, const std::string& what)
    {
        if (!(a == b)) {
            std::ostringstream s;
            s << what << ": " << a << " != " << b;
            run_.fail(s.str());
        }
    }

    RunState& run_;
};

// What a player does in each window: inputs chosen for the main menu, the settings and
// the battlefield, answers to the shop, message boxes, open lists and the about box,
// and the closing of them all once the inputs are spent.
class WindowPlayer {
public:
    WindowPlayer(RunState& run, Dice& dice, Inputs& in, RuleChecks& rules)
        : run_(run), dice_(dice), in_(in), rules_(rules)
    {}

    void act_menu(Tform_uvod& m);
    void act_settings(Tform_nastaveni& n);
    void act_battlefield(Tform_hra& f, bool in_action);
    void act_shop(Tform_obchod& o);
    void act_message(QMessageBox* box);
    void act_popup(QWidget* p);
    void act_about(Tform_about& a);
    void act_other(QWidget* w);
    // Once the inputs are spent: close whatever is open, top first, until the program ends.
    void finish_step();

private:
    bool settings_match_goal() const;
    // A point of the picture that lies inside the window (the picture is wider).
    QPoint on_picture(Tform_hra& f);

    RunState& run_;
    Dice& dice_;
    Inputs& in_;
    RuleChecks& rules_;
    long finish_steps_ = 0;
};

} // namespace monkey
